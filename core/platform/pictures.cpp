#include "core/platform/pictures.h"

#include <array>
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

// The header fields the completeness check reads end here.
constexpr std::size_t kCheckedHeader = 38;

bool IsBitmap(std::string_view bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

// Little-endian fields of the bitmap file and information headers, which the caller has made sure
// the bytes hold.
std::uint32_t Field(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The size of a signed 32-bit header field (negative heights mean top-down rows), for every value.
std::uint64_t Magnitude(std::uint32_t raw) {
    return (raw & 0x80000000U) != 0 ? (std::uint64_t{1} << 32) - raw : raw;
}

// Whether the pixel data a bitmap's header (kCheckedHeader bytes at least) announces fits in a file
// of fileSize bytes.
bool DataFits(std::string_view header, std::uint64_t fileSize) {
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

}  // namespace

bool BitmapDataComplete(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<char, kCheckedHeader> buffer{};
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const std::string_view header(buffer.data(), static_cast<std::size_t>(in.gcount()));
    if (!IsBitmap(header)) return true;
    if (header.size() < kCheckedHeader) return false;
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(file, error);
    return !error && DataFits(header, fileSize);
}

bool BitmapBytesComplete(std::string_view file) {
    if (!IsBitmap(file)) return true;
    return file.size() >= kCheckedHeader && DataFits(file, file.size());
}

std::optional<PlainBitmap> PlainBitmapLayout(std::string_view file) {
    if (!IsBitmap(file) || file.size() < 14 + 40) return std::nullopt;
    const std::uint32_t infoSize = Field(file, 14, 4);
    // The information header as Windows writes it, or its later, longer forms; planes, depth, no
    // compression.
    if ((infoSize != 40 && infoSize != 108 && infoSize != 124) || Field(file, 26, 2) != 1 ||
        Field(file, 28, 2) != 24 || Field(file, 30, 4) != 0)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(Field(file, 18, 4));
    const auto height = static_cast<std::int32_t>(Field(file, 22, 4));
    if (width <= 0 || height == 0 || height == INT32_MIN || width > 1 << 15 || std::abs(height) > 1 << 15)
        return std::nullopt;
    PlainBitmap layout;
    layout.width = width;
    layout.height = std::abs(height);
    layout.topDown = height < 0;
    layout.dataStart = Field(file, 10, 4);
    layout.rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    layout.dotsPerMetreX = static_cast<std::int32_t>(Field(file, 38, 4));
    layout.dotsPerMetreY = static_cast<std::int32_t>(Field(file, 42, 4));
    if (layout.dataStart < 14 + infoSize || layout.dataStart > file.size() ||
        (file.size() - layout.dataStart) / layout.rowBytes < static_cast<std::size_t>(layout.height))
        return std::nullopt;
    return layout;
}

}  // namespace omenary::platform
