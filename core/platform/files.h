// File lookups as the original platform made them: names matched without regard to letter case,
// and the folder that stood in for the Windows directory.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace omenary::platform {

enum class EntryKind { File, Folder, Any };

// The entry of the folder whose name equals the given bare name ignoring ASCII case ("os0.bmp",
// "OS0.BMP"); an exact match wins over others. Nothing when the folder cannot be listed or holds no
// such entry of the kind asked for (a regular file unless told otherwise).
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      std::string_view name,
                                                      EntryKind kind = EntryKind::File);

// The folder that holds the settings files: $XDG_CONFIG_HOME, else ~/.config; created when missing.
// Empty when neither variable gives a usable folder.
std::filesystem::path WindowsDirectory();

}  // namespace omenary::platform
