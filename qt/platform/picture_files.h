// Bitmap files decoded with Qt: the PictureFiles of the window, the CLI and the renderer.
#pragma once

#include <QImage>
#include <filesystem>

#include "core/platform/pictures.h"

namespace omenary::qt {

class QtPictureFiles final : public platform::PictureFiles {
  public:
    // Pictures are looked up in this folder, the working directory unless told otherwise.
    explicit QtPictureFiles(std::filesystem::path folder = std::filesystem::current_path());

    platform::PictureLookup Load(std::string_view name) const override;
    const std::filesystem::path& Folder() const override { return folder_; }

  private:
    std::filesystem::path folder_;
};

// The whole picture in the file; a null image when it is missing, unreadable, truncated or not a
// picture at all.
QImage DecodePicture(const std::filesystem::path& file);

}  // namespace omenary::qt
