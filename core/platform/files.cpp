#include "core/platform/files.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <string>
#include <vector>
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

// The names in a folder by their lower-case spelling, read once while the folder stays unchanged:
// pages look up hundreds of pictures in the same folder.
std::vector<std::string> NamesSpelled(const std::filesystem::path& folder, std::string_view name) {
    struct Listing {
        std::filesystem::file_time_type modified;
        std::multimap<std::string, std::string> byLowerCase;
    };
    static std::mutex guard;
    static std::map<std::filesystem::path, Listing> listings;
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(folder, error);
    if (error) return {};
    const std::lock_guard lock(guard);
    Listing& listing = listings[folder];
    if (listing.byLowerCase.empty() || listing.modified != modified) {
        listing = {modified, {}};
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const std::string entryName = entry.path().filename().string();
            listing.byLowerCase.emplace(ToLowerAscii(entryName), entryName);
        }
    }
    std::vector<std::string> names;
    const auto [first, last] = listing.byLowerCase.equal_range(ToLowerAscii(name));
    for (auto it = first; it != last; ++it)
        names.push_back(it->second);
    return names;
}

}  // namespace

std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      std::string_view name, EntryKind kind) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    std::error_code error;
    const std::filesystem::path exact = folder / std::filesystem::path(std::string(name));
    if (IsKind(std::filesystem::status(exact, error), kind)) return exact;
    for (const std::string& spelled : NamesSpelled(folder, name)) {
        const std::filesystem::path path = folder / spelled;
        if (IsKind(std::filesystem::status(path, error), kind)) return path;
    }
    return std::nullopt;
}

std::filesystem::path WindowsDirectory() {
    std::filesystem::path folder;
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG base directory rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
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
