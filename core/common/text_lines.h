// The lines of a text file as the program holds them (the calendar index, a day file, a settings
// file): the file's bytes once, and where each line starts and ends.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace omenary {

class TextLines {
  public:
    TextLines() = default;
    // CR LF, a lone CR and a lone LF each end a line; a final line without an ending counts too.
    explicit TextLines(std::string bytes);
    struct MappedFile;

    std::size_t Count() const { return Index().size(); }
    // The line at a 0-based index; at or past the end an empty line, never an error.
    std::string_view Line(std::size_t index) const;
    std::string_view Bytes() const { return bytes_; }
    // False when the file these lines were mapped from changed since (shortened, rewritten in
    // place): what was read from it is then no longer the file. Always true for copied lines.
    bool Intact() const;

    // Reading in order without the index, which a one-pass reader of a large file does not need:
    // the line starting at *offset (0 for the first), moving *offset to the next; nothing at the end.
    std::optional<std::string_view> NextLine(std::size_t* offset) const;

  private:
    // Where each line starts and how long it is, made on first use (lines are read on one thread).
    const std::vector<std::pair<std::size_t, std::size_t>>& Index() const;

    friend std::optional<TextLines> ReadTextLines(const std::filesystem::path&, std::size_t, bool);
    explicit TextLines(const std::shared_ptr<const MappedFile>& mapped);

    std::shared_ptr<const void> owner_;   // what keeps the bytes: a string or a mapped file
    const MappedFile* mapped_ = nullptr;  // that file, kept by owner_
    std::string_view bytes_;
    mutable std::vector<std::pair<std::size_t, std::size_t>> spans_;  // offset, length
    mutable bool indexed_ = false;
};

// The whole content of a file as bytes; nothing when it cannot be read. Files larger than maxBytes
// are not read either.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes);

// The lines of a whole file as ReadFileBytes reads it. Mapped, the file's pages are read where the
// system keeps them instead of being copied into fresh memory, which for a large file takes far
// longer than reading it. Pages a shortened file no longer has read as zeros instead of stopping
// the program (SIGBUS), and Intact() tells that it happened, so a reader that maps (a command-line
// run) reports the file as changed rather than use what it read.
std::optional<TextLines> ReadTextLines(const std::filesystem::path& file, std::size_t maxBytes, bool mapped);

}  // namespace omenary
