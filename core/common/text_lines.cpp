#include "core/common/text_lines.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>

namespace omenary {

TextLines::TextLines(std::string bytes) : bytes_(std::move(bytes)) {
    // memchr finds the line ends many bytes at a time; a calendar of 95 000 days splits in about a
    // millisecond. Lone CRs are looked for only inside each LF-ended stretch.
    const char* const data = bytes_.data();
    const char* const end = data + bytes_.size();
    spans_.reserve(static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1);
    const auto add = [&](const char* first, const char* last) {
        spans_.emplace_back(static_cast<std::size_t>(first - data), static_cast<std::size_t>(last - first));
    };
    const char* line = data;
    while (line < end) {
        const auto* lf =
            static_cast<const char*>(std::memchr(line, '\n', static_cast<std::size_t>(end - line)));
        const char* stretchEnd = lf != nullptr ? lf : end;
        bool crlf = false;
        while (const auto* cr = static_cast<const char*>(
                   std::memchr(line, '\r', static_cast<std::size_t>(stretchEnd - line)))) {
            add(line, cr);
            line = cr + 1;
            if (line == lf) {
                crlf = true;
                break;
            }
        }
        if (lf == nullptr) {
            if (line < end) add(line, end);
            break;
        }
        if (!crlf) add(line, lf);
        line = lf + 1;
    }
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

}  // namespace omenary
