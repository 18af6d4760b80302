#include "qt/report/pdf_pictures.h"

#include <system_error>
#include <utility>

#include "qt/report/pdf_file.h"

namespace omenary::qt {

namespace {

// Stand-ins are told apart by their colour: the first is 000001, the next 000002, and so on.
constexpr std::size_t kMaxStandIns = (1 << 24) - 1;

QRgb StandInColour(std::size_t number) {
    return qRgb(static_cast<int>((number >> 16) & 0xFF), static_cast<int>((number >> 8) & 0xFF),
                static_cast<int>(number & 0xFF));
}

// The pixels as Qt stores a picture without transparency: red, green and blue bytes, top row first.
QByteArray RgbBytes(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes(qsizetype{3} * rgb.width() * rgb.height(), Qt::Uninitialized);
    char* out = bytes.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            *out++ = static_cast<char>(qRed(row[x]));
            *out++ = static_cast<char>(qGreen(row[x]));
            *out++ = static_cast<char>(qBlue(row[x]));
        }
    }
    return bytes;
}

// The image dictionary and the start of the stream, as Qt writes them for a picture without
// transparency; a mask would stand before the length.
QByteArray RgbImageHead(const QSize& size, qint64 lengthObject) {
    return "<<\n/Type /XObject\n/Subtype /Image\n/Width " + QByteArray::number(size.width()) + "\n/Height " +
           QByteArray::number(size.height()) + "\n/BitsPerComponent 8\n/ColorSpace /DeviceRGB\n/Length " +
           QByteArray::number(lengthObject) + " 0 R\n/Filter /FlateDecode\n>>\nstream\n";
}

}  // namespace

const QImage& PdfPictures::ToDraw(const QImage& picture) {
    if (const auto found = byPicture_.constFind(picture.cacheKey()); found != byPicture_.constEnd())
        return standIns_[*found].blank;
    if (picture.hasAlphaChannel() || picture.depth() == 1 || standIns_.size() >= kMaxStandIns) {
        complete_ = false;
        return picture;
    }
    QImage blank(1, 1, QImage::Format_RGB32);
    blank.fill(StandInColour(standIns_.size() + 1));
    byPicture_.insert(picture.cacheKey(), standIns_.size());
    standIns_.push_back({picture, std::move(blank)});
    return standIns_.back().blank;
}

void PdfPictures::Prepare() {
    if (!complete_ || compressed_.valid()) return;
    std::vector<QImage> pictures;
    for (const StandIn& standIn : standIns_)
        pictures.push_back(standIn.picture);
    auto compress = [pictures = std::move(pictures)] {
        std::vector<QByteArray> data;
        for (const QImage& picture : pictures)
            data.push_back(pdf::Deflate(RgbBytes(picture)));
        return data;
    };
    try {
        compressed_ = std::async(standIns_.empty() ? std::launch::deferred : std::launch::async, compress);
    } catch (const std::system_error&) {  // no thread to be had: compressed when asked for
        compressed_ = std::async(std::launch::deferred, std::move(compress));
    }
}

std::optional<QByteArray> PdfPictures::FilledIn(const QByteArray& pdf) {
    if (!complete_) return std::nullopt;
    Prepare();
    const std::vector<QByteArray> compressed = compressed_.get();
    const auto xref = pdf::ReadCrossReference(pdf);
    if (!xref || compressed.size() != standIns_.size()) return std::nullopt;
    std::vector<pdf::Edit> edits;
    for (qint64 object = 1; object < static_cast<qint64>(xref->offsets.size()); ++object) {
        const auto body = pdf::ObjectBody(pdf, *xref, object);
        if (!body || !pdf::At(pdf, *body, "<<\n/Type /XObject\n/Subtype /Image\n")) continue;
        // Which stand-in this is, by its colour; every pixel must be that colour.
        const auto stream = pdf::DeflatedStream(pdf, *xref, object);
        const QByteArray data =
            stream ? pdf::Inflate(pdf.mid(stream->dataAt, stream->dataLength)) : QByteArray();
        if (data.size() != 3) return std::nullopt;
        const std::size_t number = static_cast<std::size_t>(static_cast<uchar>(data[0])) << 16 |
                                   static_cast<std::size_t>(static_cast<uchar>(data[1])) << 8 |
                                   static_cast<uchar>(data[2]);
        if (number == 0 || number > standIns_.size()) return std::nullopt;
        if (!pdf::At(pdf, stream->dictionaryAt, RgbImageHead({1, 1}, stream->lengthObject)))
            return std::nullopt;
        // The picture in the stand-in's place: its size, its data and their length.
        const QImage& picture = standIns_[number - 1].picture;
        const QByteArray& filled = compressed[number - 1];
        if (filled.isEmpty()) return std::nullopt;
        edits.push_back({stream->dictionaryAt, stream->dataAt - stream->dictionaryAt,
                         RgbImageHead(picture.size(), stream->lengthObject)});
        pdf::ReplaceStreamData(edits, pdf, *stream, filled);
    }
    return pdf::Edited(pdf, *xref, std::move(edits));
}

}  // namespace omenary::qt
