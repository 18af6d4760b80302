#include "core/platform/files.h"

#include <cstdlib>
#include <system_error>

#include "core/common/text.h"

namespace omenary::platform {

namespace {

bool IsKind(const std::filesystem::file_status& status, EntryKind kind) {
    switch (kind) {
        case EntryKind::File:
            return std::filesystem::is_regular_file(status);
        case EntryKind::Folder:
            return std::filesystem::is_directory(status);
        case EntryKind::Any:
            break;
    }
    return std::filesystem::exists(status);
}

}  // namespace

std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      std::string_view name, EntryKind kind) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    std::error_code error;
    const std::filesystem::path exact = folder / std::filesystem::path(std::string(name));
    if (IsKind(std::filesystem::status(exact, error), kind)) return exact;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) return std::nullopt;
    for (const auto& entry : entries) {
        if (!EqualsIgnoreCaseAscii(entry.path().filename().string(), name)) continue;
        if (IsKind(entry.status(error), kind)) return entry.path();
    }
    return std::nullopt;
}

std::filesystem::path WindowsDirectory() {
    std::filesystem::path folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
        folder = config;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        folder = std::filesystem::path(home) / ".config";
    else
        return {};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error) ? folder : std::filesystem::path{};
}

}  // namespace omenary::platform
