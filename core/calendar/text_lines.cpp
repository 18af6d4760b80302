#include "core/calendar/text_lines.h"

#include <fstream>
#include <system_error>

namespace omenary::calendar {

TextLines::TextLines(std::string bytes) : bytes_(std::move(bytes)) {
    std::size_t start = 0;
    const std::size_t size = bytes_.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char c = bytes_[i];
        if (c != '\r' && c != '\n') continue;
        spans_.emplace_back(start, i - start);
        if (c == '\r' && i + 1 < size && bytes_[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < size) spans_.emplace_back(start, size - start);
}

std::string_view TextLines::Line(std::size_t index) const {
    if (index >= spans_.size()) return {};
    return std::string_view(bytes_).substr(spans_[index].first, spans_[index].second);
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

}  // namespace omenary::calendar
