#include "qt/platform/picture_files.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <system_error>
#include <utility>

#include "core/common/text_lines.h"
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

// A file as last seen: a changed file is decoded again. The path is kept as its bytes: names that
// are no UTF-8 (a folder in TIS-620 from a Windows disk) must not fall together.
struct Seen {
    QByteArray path;
    qint64 modified = 0;  // nanoseconds
    qint64 size = 0;
    bool operator==(const Seen&) const = default;
};

size_t qHash(const Seen& seen, size_t seed = 0) {
    return qHashMulti(seed, seen.path, seen.modified, seen.size);
}

// The rows of a plain 24-bit bitmap as Qt's reader gives them.
QImage PlainBitmapImage(const QByteArray& file, const platform::PlainBitmap& layout) {
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    const auto* data = reinterpret_cast<const uchar*>(file.constData()) + layout.dataStart;
    for (int y = 0; y < layout.height; ++y) {
        const uchar* in =
            data + static_cast<std::size_t>(layout.topDown ? y : layout.height - 1 - y) * layout.rowBytes;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout.width; ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    if (layout.dotsPerMetreX > 0) image.setDotsPerMeterX(layout.dotsPerMetreX);
    if (layout.dotsPerMetreY > 0) image.setDotsPerMeterY(layout.dotsPerMetreY);
    return image;
}

bool StoredInTheProgram(const std::filesystem::path& file) {
    return file.native().starts_with(':');
}

// The file's bytes. A file on disk is opened by its name's bytes as they are: Qt's file classes take
// names as UTF-8 text and cannot open a name that is not.
std::optional<QByteArray> FileBytes(const std::filesystem::path& file) {
    if (StoredInTheProgram(file)) {
        QFile in(ToQString(file.string()));
        if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
        return in.readAll();
    }
    const auto bytes = ReadFileBytes(file, static_cast<std::size_t>(kMaxPictureBytes));
    if (!bytes) return std::nullopt;
    return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

QImage Decode(const std::filesystem::path& file) {
    const std::optional<QByteArray> read = FileBytes(file);
    if (!read) return {};
    // Plain 24-bit bitmaps, all the program ships, are read directly: a page run reads thirty of them.
    const QByteArray& bytes = *read;
    if (const auto plain = platform::PlainBitmapLayout(std::string_view(bytes.constData(), bytes.size()))) {
        // No slot of any page or tab needs more; a larger picture would only stall the window.
        if (plain->width > kMaxPictureSide || plain->height > kMaxPictureSide) return {};
        return PlainBitmapImage(bytes, *plain);
    }
    if (!platform::BitmapBytesComplete(std::string_view(bytes.constData(), bytes.size()))) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Anything else is known by its content whatever its suffix: a bitmap saved under another
    // picture suffix still loads, text never does.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return {};
    return reader.read();
}

// The file as it stands now, in one look; nothing when it is not a regular file. Pictures stored
// with the program (":/page/…") never change.
std::optional<Seen> Look(const std::filesystem::path& file) {
    if (StoredInTheProgram(file)) {
        const QFileInfo stored(ToQString(file.string()));
        if (!stored.isFile()) return std::nullopt;
        return Seen{stored.filePath().toUtf8(), 0, stored.size()};
    }
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    const std::string& path = (error ? file : absolute).native();
    return Seen{QByteArray(path.data(), static_cast<qsizetype>(path.size())),
                status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec, status.st_size};
}

}  // namespace

QImage DecodePicture(const std::filesystem::path& file) {
    const std::optional<Seen> seen = Look(file);
    if (!seen || seen->size > kMaxPictureBytes) return {};
    // Pages name the same few files again and again (81 blank slots share one); each is decoded once.
    static QHash<Seen, QImage> decoded;
    if (const auto found = decoded.constFind(*seen); found != decoded.constEnd()) return *found;
    if (decoded.size() >= kMaxCachedPictures) decoded.clear();
    const QImage image = Decode(file);
    decoded.insert(*seen, image);
    return image;
}

}  // namespace omenary::qt
