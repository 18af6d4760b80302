#include "core/platform/pictures.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include "core/platform/files.h"

namespace omenary::platform {

std::optional<std::filesystem::path> FindPicture(const std::filesystem::path& folder, std::string_view name) {
    const std::filesystem::path asked{std::string(name)};
    if (name.empty() || !asked.has_filename()) return std::nullopt;
    if (asked.is_absolute()) {
        std::error_code error;
        if (std::filesystem::is_regular_file(asked, error)) return asked;
        return FindIgnoringCase(asked.parent_path(), asked.filename().string());
    }
    // Only the file's own name is matched ignoring case; folders in a relative name are taken as given.
    return FindIgnoringCase(folder / asked.parent_path(), asked.filename().string());
}

namespace {

// Little-endian fields of the bitmap file and information headers.
std::uint32_t Field(const std::array<unsigned char, 38>& bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = (value << 8) | bytes[at + i];
    return value;
}

// The size of a signed 32-bit header field (negative heights mean top-down rows), for every value.
std::uint64_t Magnitude(std::uint32_t raw) {
    return (raw & 0x80000000U) != 0 ? (std::uint64_t{1} << 32) - raw : raw;
}

}  // namespace

bool BitmapDataComplete(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 38> header{};
    in.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
    if (in.gcount() < 2 || header[0] != 'B' || header[1] != 'M') return true;
    if (in.gcount() < static_cast<std::streamsize>(header.size())) return false;
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(file, error);
    if (error) return false;
    const std::uint64_t dataStart = Field(header, 10, 4);
    const std::uint32_t infoSize = Field(header, 14, 4);
    std::uint64_t width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
    if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes, never compressed
        width = Field(header, 18, 2);
        height = Field(header, 20, 2);
        bits = Field(header, 24, 2);
    } else {
        width = Magnitude(Field(header, 18, 4));
        height = Magnitude(Field(header, 22, 4));
        bits = Field(header, 28, 2);
        compression = Field(header, 30, 4);
        imageSize = Field(header, 34, 4);
    }
    // Run-length and embedded-format data say their own length; plain and bit-field rows are padded
    // to four bytes.
    const bool plain = compression == 0 || compression == 3 || compression == 6;
    if (dataStart > fileSize) return false;
    const std::uint64_t room = fileSize - dataStart;
    if (!plain) return imageSize <= room;
    // Rows times height is compared by division: the product of header fields can exceed 64 bits.
    const std::uint64_t rowBytes = (width * bits + 31) / 32 * 4;
    return rowBytes == 0 || height <= room / rowBytes;
}

std::optional<PlainBitmap> PlainBitmapLayout(std::string_view file) {
    constexpr std::size_t kHeaders = 14 + 40;
    if (file.size() < kHeaders || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    std::array<unsigned char, kHeaders> header{};
    std::copy_n(file.begin(), kHeaders, header.begin());
    auto field = [&](std::size_t at, std::size_t size) {
        std::uint32_t value = 0;
        for (std::size_t i = size; i-- > 0;)
            value = (value << 8) | header[at + i];
        return value;
    };
    const std::uint32_t infoSize = field(14, 4);
    // The information header as Windows writes it, or its later, longer forms; planes, depth, no
    // compression.
    if ((infoSize != 40 && infoSize != 108 && infoSize != 124) || field(26, 2) != 1 || field(28, 2) != 24 ||
        field(30, 4) != 0)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(field(18, 4));
    const auto height = static_cast<std::int32_t>(field(22, 4));
    if (width <= 0 || height == 0 || height == INT32_MIN || width > 1 << 15 || std::abs(height) > 1 << 15)
        return std::nullopt;
    PlainBitmap layout;
    layout.width = width;
    layout.height = std::abs(height);
    layout.topDown = height < 0;
    layout.dataStart = field(10, 4);
    layout.rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    layout.dotsPerMetreX = static_cast<std::int32_t>(field(38, 4));
    layout.dotsPerMetreY = static_cast<std::int32_t>(field(42, 4));
    if (layout.dataStart < 14 + infoSize || layout.dataStart > file.size() ||
        (file.size() - layout.dataStart) / layout.rowBytes < static_cast<std::size_t>(layout.height))
        return std::nullopt;
    return layout;
}

}  // namespace omenary::platform
