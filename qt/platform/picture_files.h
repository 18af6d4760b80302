// Bitmap files decoded with Qt: the PictureFiles of the window, the CLI and the renderer.
#pragma once

#include <QImage>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/platform/pictures.h"

namespace omenary::qt {

// Looks the picture up in the folder and, when it is not there, among the bitmaps stored with the
// pages inside the program; the file found is then named ":/page/NAME".
class QtPictureFiles final : public platform::PictureFiles {
  public:
    // Pictures are looked up in this folder, the working directory unless told otherwise.
    explicit QtPictureFiles(std::filesystem::path folder = std::filesystem::current_path());

    platform::PictureLookup Load(std::string_view name) const override;
    const std::filesystem::path& Folder() const override { return folder_; }

  private:
    std::filesystem::path folder_;
};

// The bitmap of that name stored with the pages inside the program (letter case ignored); nothing
// for any other name.
std::optional<std::filesystem::path> StoredWithThePages(std::string_view name);

// Larger pictures are refused like corrupt ones: no slot can use them.
inline constexpr int kMaxPictureSide = 1024;
inline constexpr qint64 kMaxPictureBytes = 4 << 20;
inline constexpr qsizetype kMaxCachedPictures = 512;

// The whole picture in the file; a null image when it is missing, unreadable, truncated, too large
// or not a picture at all. Each file is decoded once while it stays unchanged.
QImage DecodePicture(const std::filesystem::path& file);

}  // namespace omenary::qt
