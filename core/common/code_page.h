// Text in the Thai Windows code page (Windows-874), as spreadsheets and the calendar files save it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace omenary {

// The bytes as UTF-8, converted by the system's iconv; nothing when a byte is one the code page
// leaves undefined (or the system has no converter for it).
std::optional<std::string> ThaiWindowsToUtf8(std::string_view bytes);

}  // namespace omenary
