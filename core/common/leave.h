// Leaving an input of the window, for every tab's handlers: what it did, and the check of a list.
#pragma once

#include <algorithm>
#include <string_view>

namespace omenary {

// A refused input gets the focus back and nothing else changes.
enum class Leave { Accepted, Refused };

// A list's text is accepted only when it equals one of its items exactly; the window compared from
// the last item to the first.
template <typename Items>
bool IsListItem(const Items& items, std::string_view text) {
    return std::find(items.rbegin(), items.rend(), text) != items.rend();
}

}  // namespace omenary
