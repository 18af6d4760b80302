#include "core/common/text_lines.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

namespace omenary {

TextLines::TextLines(std::string bytes) {
    auto owned = std::make_shared<const std::string>(std::move(bytes));
    bytes_ = *owned;
    owner_ = std::move(owned);
}

TextLines::TextLines(std::shared_ptr<const void> owner, std::string_view bytes)
    : owner_(std::move(owner)), bytes_(bytes) {}

std::optional<std::string_view> TextLines::NextLine(std::size_t* offset) const {
    const std::size_t from = *offset;
    if (from >= bytes_.size()) return std::nullopt;
    const char* const line = bytes_.data() + from;
    const std::size_t left = bytes_.size() - from;
    // The line end is looked for a short stretch at a time, each with memchr: a search for the LF
    // through the whole rest would read a file of lone CRs to its end for every one of its lines.
    constexpr std::size_t kStretch = 256;
    for (std::size_t at = 0; at < left; at += kStretch) {
        const char* const stretch = line + at;
        const std::size_t size = std::min(kStretch, left - at);
        const auto* lf = static_cast<const char*>(std::memchr(stretch, '\n', size));
        const std::size_t beforeLf = lf != nullptr ? static_cast<std::size_t>(lf - stretch) : size;
        if (const auto* cr = static_cast<const char*>(std::memchr(stretch, '\r', beforeLf))) {
            const auto length = static_cast<std::size_t>(cr - line);
            const bool crlf = length + 1 < left && cr[1] == '\n';
            *offset = from + length + (crlf ? 2 : 1);
            return std::string_view(line, length);
        }
        if (lf != nullptr) {
            const auto length = static_cast<std::size_t>(lf - line);
            *offset = from + length + 1;
            return std::string_view(line, length);
        }
    }
    *offset = bytes_.size();
    return std::string_view(line, left);
}

const std::vector<std::pair<std::size_t, std::size_t>>& TextLines::Index() const {
    if (!indexed_) {
        spans_.clear();
        spans_.reserve(static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1);
        std::size_t offset = 0;
        for (std::size_t start = 0; const auto line = NextLine(&offset); start = offset)
            spans_.emplace_back(start, line->size());
        indexed_ = true;
    }
    return spans_;
}

std::string_view TextLines::Line(std::size_t index) const {
    const auto& spans = Index();
    if (index >= spans.size()) return {};
    return bytes_.substr(spans[index].first, spans[index].second);
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > maxBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file that changed size while being read is taken as far as it could be read.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

namespace {

// The file's pages, mapped for reading; nothing when the system will not map it.
std::optional<TextLines> MapTextFile(const std::filesystem::path& file, std::size_t maxBytes) {
    // Not blocking: a FIFO under the name must not hang the run; only a regular file is mapped.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) return std::nullopt;
    struct stat status {};
    void* pages = MAP_FAILED;
    std::size_t size = 0;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
        static_cast<std::uintmax_t>(status.st_size) <= maxBytes) {
        size = static_cast<std::size_t>(status.st_size);
        pages = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
    }
    ::close(descriptor);  // the mapping keeps the file
    if (pages == MAP_FAILED) return std::nullopt;
    std::shared_ptr<const void> owner(
        pages, [size](const void* mapped) { ::munmap(const_cast<void*>(mapped), size); });
    return TextLines(std::move(owner), std::string_view(static_cast<const char*>(pages), size));
}

}  // namespace

std::optional<TextLines> ReadTextLines(const std::filesystem::path& file, std::size_t maxBytes, bool mapped) {
    if (mapped) {
        if (auto lines = MapTextFile(file, maxBytes)) return lines;
    }
    auto bytes = ReadFileBytes(file, maxBytes);
    if (!bytes) return std::nullopt;
    return TextLines(std::move(*bytes));
}

}  // namespace omenary
