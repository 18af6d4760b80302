#include "qt/platform/picture_files.h"

#include <QImageReader>
#include <utility>

#include "qt/platform/qt_text.h"

namespace omenary::qt {

QtPictureFiles::QtPictureFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

platform::PictureLookup QtPictureFiles::Load(std::string_view name) const {
    platform::PictureLookup lookup;
    const auto found = platform::FindPicture(folder_, name);
    if (!found) return lookup;
    lookup.file = *found;
    const QImage image = DecodePicture(*found);
    if (image.isNull()) {
        lookup.status = platform::PictureStatus::Undecodable;
        return lookup;
    }
    lookup.status = platform::PictureStatus::Loaded;
    lookup.width = image.width();
    lookup.height = image.height();
    return lookup;
}

QImage DecodePicture(const std::filesystem::path& file) {
    if (!platform::BitmapDataComplete(file)) return {};
    QImageReader reader(ToQString(file.string()));
    // The content decides: a bitmap saved under another picture suffix still loads, text never does.
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

}  // namespace omenary::qt
