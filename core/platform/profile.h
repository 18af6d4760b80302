// Profile files of sections and keys ("[Section]", "Key=Value"), read and written the way the
// original platform did: names matched ignoring case, every other line kept as it stands.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace omenary::platform {

class ProfileFile {
  public:
    // Values longer than this are cut, as the original platform's reads were.
    static constexpr std::size_t kMaxValueLength = 2047;
    // A file larger than this is not a settings file; it reads as empty.
    static constexpr std::uintmax_t kMaxFileSize = 1 << 20;

    explicit ProfileFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }

    // The value of the key, or empty text when the file, the section or the key is missing, or the
    // file cannot be read, is binary or is too large.
    std::string Read(std::string_view section, std::string_view key) const;

    // Sets the key, creating file, section and key as needed. The new content goes to a temporary
    // file that replaces the old one in a single rename, so a failed or interrupted write leaves the
    // previous file whole. On failure returns false and describes the reason in *error.
    bool Write(std::string_view section, std::string_view key, std::string_view value,
               std::string* error = nullptr);

  private:
    std::filesystem::path path_;
};

}  // namespace omenary::platform
