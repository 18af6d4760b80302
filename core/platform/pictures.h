// Bitmap files by name, as the pages and the window load them: looked up in the working folder with
// letter case ignored, and decoded in full before anyone relies on them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace omenary::platform {

enum class PictureStatus {
    Loaded,
    Missing,      // no such file, whatever its letter case
    Undecodable,  // the file is there but is not a whole bitmap (truncated, not a picture, unreadable)
};

struct PictureLookup {
    PictureStatus status = PictureStatus::Missing;
    std::filesystem::path file;  // the file found (also when it does not decode)
    int width = 0;               // the bitmap's own size in pixels, once loaded
    int height = 0;
};

class PictureFiles {
  public:
    virtual ~PictureFiles() = default;
    // The bitmap called name: bare ("BS7.BMP") or relative names are looked up in Folder(), the
    // last part of the name ignoring letter case; an absolute name is taken as it is.
    virtual PictureLookup Load(std::string_view name) const = 0;
    virtual const std::filesystem::path& Folder() const = 0;
};

// Where a picture name points to: the letter-case-blind lookup shared by every PictureFiles.
std::optional<std::filesystem::path> FindPicture(const std::filesystem::path& folder, std::string_view name);

// False for a Windows bitmap ("BM") whose file ends before its pixel data does; decoders fill such
// a file up with black rather than refusing it. True for any other file, left to the decoder.
bool BitmapDataComplete(const std::filesystem::path& file);
// The same for a file's whole content, already read.
bool BitmapBytesComplete(std::string_view file);

// Where the pixels of an uncompressed 24-bit Windows bitmap lie, the kind every shipped picture is:
// such a file is read directly, without a decoder. Nothing for any other file, or one whose rows do
// not all fit in it.
struct PlainBitmap {
    int width = 0;
    int height = 0;
    bool topDown = false;  // rows from the top (the file gives a negative height), else from the bottom
    std::size_t dataStart = 0;
    std::size_t rowBytes = 0;  // three bytes a pixel (blue, green, red), each row padded to four
    int dotsPerMetreX = 0;
    int dotsPerMetreY = 0;
};
std::optional<PlainBitmap> PlainBitmapLayout(std::string_view file);

}  // namespace omenary::platform
