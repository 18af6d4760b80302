// What leaving an input did, for every tab: a refused input gets the focus back and nothing else
// changes.
#pragma once

namespace omenary {

enum class Leave { Accepted, Refused };

}  // namespace omenary
