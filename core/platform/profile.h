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

    // Why a write did not happen.
    struct WriteFailure {
        enum class Kind {
            NotSettings,  // the file is binary or too large: it is not ours to overwrite
            ReadOnly,     // the file may not be changed
            NotStorable,  // a line break or NUL in the value (or the names) would break the file's lines
            Busy,         // another writer held the file's lock for longer than any write takes
            System,       // the system refused; `error` holds its errno
        };
        Kind kind = Kind::System;
        int error = 0;
    };

    // The value of the key, or empty text when the file, the section or the key is missing, or the
    // file cannot be read, is binary or is too large. A value in quotes reads without them.
    std::string Read(std::string_view section, std::string_view key) const;

    // Sets the key, creating file, section and key as needed. The new content goes to a temporary
    // file that replaces the old one in a single rename, so a failed or interrupted write leaves the
    // previous file whole. A symbolic link is written through: the file it points to is replaced,
    // keeping its permissions. Writers of the same file, in this process or another, take turns
    // (a lock on the folder that holds it), so none loses another's keys. A value the file cannot
    // hold is never written. On failure returns false and says why in *failure.
    bool Write(std::string_view section, std::string_view key, std::string_view value,
               WriteFailure* failure = nullptr);

    // The file a write replaces: the path itself, or where its symbolic links lead.
    std::filesystem::path Target() const;

  private:
    std::filesystem::path path_;
};

}  // namespace omenary::platform
