#include "qt/platform/picture_files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <utility>

#include "qt/platform/qt_text.h"

namespace omenary::qt {

QtPictureFiles::QtPictureFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::optional<std::filesystem::path> StoredWithThePages(std::string_view name) {
    const QString wanted = ToQString(std::filesystem::path(std::string(name)).filename().string());
    for (const QString& stored : QDir(QStringLiteral(":/page")).entryList(QDir::Files))
        if (stored.compare(wanted, Qt::CaseInsensitive) == 0)
            return std::filesystem::path(ToStdString(QStringLiteral(":/page/") + stored));
    return std::nullopt;
}

platform::PictureLookup QtPictureFiles::Load(std::string_view name) const {
    platform::PictureLookup lookup;
    auto found = platform::FindPicture(folder_, name);
    if (!found) found = StoredWithThePages(name);
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

namespace {

// A file as last seen: a changed file is decoded again.
struct Seen {
    QString path;
    qint64 modified = 0;
    qint64 size = 0;
    bool operator==(const Seen&) const = default;
};

size_t qHash(const Seen& seen, size_t seed = 0) {
    return qHashMulti(seed, seen.path, seen.modified, seen.size);
}

QImage Decode(const std::filesystem::path& file) {
    if (!platform::BitmapDataComplete(file)) return {};
    QImageReader reader(ToQString(file.string()));
    // The content decides: a bitmap saved under another picture suffix still loads, text never does.
    reader.setDecideFormatFromContent(true);
    // No slot of any page or tab needs more; a larger picture would only stall the window.
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return {};
    return reader.read();
}

}  // namespace

QImage DecodePicture(const std::filesystem::path& file) {
    const QFileInfo info(ToQString(file.string()));
    if (!info.isFile() || info.size() > kMaxPictureBytes) return {};
    // Pages name the same few files again and again (81 blank slots share one); each is decoded once.
    static QHash<Seen, QImage> decoded;
    const Seen seen{info.absoluteFilePath(), info.lastModified().toMSecsSinceEpoch(), info.size()};
    if (const auto found = decoded.constFind(seen); found != decoded.constEnd()) return *found;
    if (decoded.size() >= kMaxCachedPictures) decoded.clear();
    const QImage image = Decode(file);
    decoded.insert(seen, image);
    return image;
}

}  // namespace omenary::qt
