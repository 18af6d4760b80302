#include "qt/report/pdf_text_layer.h"

#include <QPaintEngine>
#include <QTextItem>
#include <optional>
#include <vector>

namespace omenary::qt {

class TextItemRecorder::Engine final : public QPaintEngine {
  public:
    Engine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& /*state*/) override {}
    Type type() const override { return User; }
    void drawTextItem(const QPointF& /*at*/, const QTextItem& item) override { texts.append(item.text()); }
    // Everything else is no text: nothing to draw, nothing to convert.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawEllipse(const QRect&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawPoints(const QPoint*, int) override {}

    QStringList texts;
};

TextItemRecorder::TextItemRecorder() : engine_(std::make_unique<Engine>()) {}
TextItemRecorder::~TextItemRecorder() = default;

QPaintEngine* TextItemRecorder::paintEngine() const {
    return engine_.get();
}

const QStringList& TextItemRecorder::Texts() const {
    return engine_->texts;
}

int TextItemRecorder::metric(PaintDeviceMetric metric) const {
    // An A4 sheet at 96 dots per inch; the items do not depend on it.
    switch (metric) {
        case PdmWidth:
            return 794;
        case PdmHeight:
            return 1123;
        case PdmWidthMM:
            return 210;
        case PdmHeightMM:
            return 297;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmNumColors:
            return 1 << 24;
        case PdmDepth:
            return 32;
        default:
            return 1;
    }
}

namespace {

// The number written at `at`, and where it ends; nothing when there is no number there.
std::optional<std::pair<qint64, qsizetype>> NumberAt(const QByteArray& pdf, qsizetype at) {
    qsizetype end = at;
    while (end < pdf.size() && end - at < 18 && pdf[end] >= '0' && pdf[end] <= '9')
        ++end;
    if (end == at) return std::nullopt;
    return std::pair{pdf.mid(at, end - at).toLongLong(), end};
}

// The object number given as "/Key N 0 R" after `from`.
std::optional<qint64> Reference(const QByteArray& pdf, qsizetype from, const QByteArray& key) {
    const qsizetype at = pdf.indexOf(key, from);
    if (at < 0) return std::nullopt;
    const auto number = NumberAt(pdf, at + key.size());
    if (!number || pdf.mid(number->second, 4) != " 0 R") return std::nullopt;
    return number->first;
}

struct CrossReference {
    qsizetype tableAt = 0;        // "xref"
    qsizetype startValue = 0;     // the number after "startxref"
    std::vector<qint64> offsets;  // by object number; -1 for free entries
    qsizetype entriesAt = 0;      // the first 20-byte entry
};

std::optional<CrossReference> ReadCrossReference(const QByteArray& pdf) {
    CrossReference xref;
    const qsizetype start = pdf.lastIndexOf("startxref\n");
    if (start < 0) return std::nullopt;
    xref.startValue = start + 10;
    const auto table = NumberAt(pdf, xref.startValue);
    if (!table || table->first >= pdf.size() || pdf.mid(table->first, 7) != "xref\n0 ") return std::nullopt;
    xref.tableAt = static_cast<qsizetype>(table->first);
    const auto count = NumberAt(pdf, xref.tableAt + 7);
    if (!count || count->first > 1000000 || pdf.mid(count->second, 1) != "\n") return std::nullopt;
    xref.entriesAt = count->second + 1;
    if (xref.entriesAt + count->first * 20 > pdf.size()) return std::nullopt;
    for (qint64 i = 0; i < count->first; ++i) {
        const qsizetype entry = xref.entriesAt + static_cast<qsizetype>(i) * 20;
        const auto offset = NumberAt(pdf, entry);
        if (!offset || offset->second != entry + 10) return std::nullopt;
        xref.offsets.push_back(pdf[entry + 17] == 'n' ? offset->first : -1);
    }
    return xref;
}

// The object's body: where "N 0 obj\n" ends, or nothing when the table points elsewhere.
std::optional<qsizetype> ObjectBody(const QByteArray& pdf, const CrossReference& xref, qint64 object) {
    if (object <= 0 || object >= static_cast<qint64>(xref.offsets.size())) return std::nullopt;
    const qint64 at = xref.offsets[static_cast<std::size_t>(object)];
    const QByteArray head = QByteArray::number(object) + " 0 obj\n";
    if (at < 0 || pdf.mid(at, head.size()) != head) return std::nullopt;
    return static_cast<qsizetype>(at) + head.size();
}

// A UTF-16 code unit as PDF writes it in hex strings and character maps.
QByteArray Hex(char16_t unit) {
    return QByteArray::number(unit, 16).rightJustified(4, '0').toUpper();
}

QByteArray Utf16Hex(const QString& text) {
    QByteArray hex = "FEFF";
    for (const QChar c : text)
        hex += Hex(c.unicode());
    return hex;
}

// The content with each text object wrapped in a span whose actual text is the next of texts;
// nothing when the counts differ.
std::optional<QByteArray> MarkTextObjects(const QByteArray& content, const QStringList& texts) {
    QByteArray marked;
    marked.reserve(content.size() + content.size() / 2);
    qsizetype from = 0;
    qsizetype next = 0;
    for (qsizetype at = content.indexOf("\nBT\n"); at >= 0; at = content.indexOf("\nBT\n", at + 1)) {
        const qsizetype end = content.indexOf("\nET\n", at);
        if (end < 0 || next >= texts.size()) return std::nullopt;
        marked += content.mid(from, at + 1 - from);
        marked += "/Span <</ActualText <" + Utf16Hex(texts[next++]) + ">>> BDC\n";
        marked += content.mid(at + 1, end + 4 - (at + 1));
        marked += "EMC\n";
        from = end + 4;
        at = end;
    }
    if (next != texts.size()) return std::nullopt;
    marked += content.mid(from);
    return marked;
}

QByteArray Inflate(const QByteArray& deflated) {
    // qUncompress takes the expected size in front; it grows its buffer when the guess is short.
    const quint32 guess = static_cast<quint32>(std::min<qsizetype>(deflated.size() * 8, 1 << 26));
    QByteArray framed(4, '\0');
    framed[0] = static_cast<char>(guess >> 24);
    framed[1] = static_cast<char>(guess >> 16);
    framed[2] = static_cast<char>(guess >> 8);
    framed[3] = static_cast<char>(guess);
    return qUncompress(framed + deflated);
}

// The page's content stream: where its data starts, how long it is, and where the number of its
// length object is written.
struct ContentStream {
    qsizetype dataAt = 0;
    qsizetype dataLength = 0;
    qsizetype lengthAt = 0;
};

std::optional<ContentStream> FindContentStream(const QByteArray& pdf, const CrossReference& xref) {
    const auto contents = Reference(pdf, 0, "/Contents ");
    if (!contents) return std::nullopt;
    const auto body = ObjectBody(pdf, xref, *contents);
    if (!body) return std::nullopt;
    const auto lengthObject = Reference(pdf, *body, "/Length ");
    if (!lengthObject) return std::nullopt;
    const auto lengthBody = ObjectBody(pdf, xref, *lengthObject);
    if (!lengthBody) return std::nullopt;
    const auto length = NumberAt(pdf, *lengthBody);
    const qsizetype streamAt = pdf.indexOf(">>\nstream\n", *body);
    if (!length || streamAt < 0 || pdf.mid(*body, streamAt - *body).indexOf("/FlateDecode") < 0)
        return std::nullopt;
    ContentStream stream{streamAt + 10, static_cast<qsizetype>(length->first), *lengthBody};
    if (pdf.mid(stream.dataAt + stream.dataLength, 10) != "\nendstream") return std::nullopt;
    return stream;
}

}  // namespace

QByteArray WithActualText(const QByteArray& pdf, const QStringList& texts) {
    const auto xref = ReadCrossReference(pdf);
    const auto stream = xref ? FindContentStream(pdf, *xref) : std::nullopt;
    if (!stream) return pdf;
    const auto [dataAt, dataLength, lengthAt] = *stream;

    const QByteArray content = Inflate(pdf.mid(dataAt, dataLength));
    const auto marked = content.isEmpty() ? std::nullopt : MarkTextObjects(content, texts);
    if (!marked) return pdf;
    // zlib's own format, as FlateDecode reads; the fastest level, as the text compresses well at any.
    const QByteArray data = qCompress(*marked, 1).mid(4);

    // The stream and its length change size: every offset after them moves.
    const QByteArray oldLength = QByteArray::number(dataLength);
    const QByteArray newLength = QByteArray::number(data.size());
    auto moved = [&](qint64 at) {
        return at + (at > dataAt ? data.size() - dataLength : 0) +
               (at > lengthAt ? newLength.size() - oldLength.size() : 0);
    };
    QByteArray out = pdf;
    if (lengthAt > dataAt) {
        out.replace(lengthAt, oldLength.size(), newLength);
        out.replace(dataAt, dataLength, data);
    } else {
        out.replace(dataAt, dataLength, data);
        out.replace(lengthAt, oldLength.size(), newLength);
    }
    const qsizetype entries = moved(xref->entriesAt);
    for (std::size_t i = 0; i < xref->offsets.size(); ++i) {
        if (xref->offsets[i] < 0) continue;
        const QByteArray offset = QByteArray::number(moved(xref->offsets[i])).rightJustified(10, '0');
        out.replace(entries + static_cast<qsizetype>(i) * 20, 10, offset);
    }
    const qsizetype startValue = moved(xref->startValue);
    const auto oldStart = NumberAt(out, startValue);
    if (!oldStart) return pdf;
    out.replace(startValue, oldStart->second - startValue, QByteArray::number(moved(xref->tableAt)));
    return out;
}

namespace {

// The Thai marks the TLWG faces draw with their shifted glyphs, which their character maps place at
// U+F700 ... U+F71A.
constexpr char16_t kShiftedThai[] = {0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B,
                                     0x0E4C, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E0D, 0x0E31, 0x0E4D,
                                     0x0E47, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E38, 0x0E39, 0x0E3A};

}  // namespace

// Each entry keeps its length, so no offset in the file changes.
void MendCharacterMaps(QByteArray& pdf) {
    for (qsizetype at = pdf.indexOf("begincmap"); at >= 0; at = pdf.indexOf("begincmap", at)) {
        const qsizetype end = pdf.indexOf("endcmap", at);
        if (end < 0) return;
        for (qsizetype i = pdf.indexOf('<', at); i >= 0 && i + 5 < end; i = pdf.indexOf('<', i + 1)) {
            if (pdf[i + 5] != '>') continue;
            bool hex = false;
            const uint code = QByteArray(pdf.constData() + i + 1, 4).toUInt(&hex, 16);
            if (!hex) continue;
            char16_t mended = 0;
            if (code >= 0xF700 && code < 0xF700 + std::size(kShiftedThai))
                mended = kShiftedThai[code - 0xF700];
            if (code == 0x0009) mended = 0x0020;
            if (mended != 0) pdf.replace(i + 1, 4, Hex(mended));
        }
        at = end;
    }
}

}  // namespace omenary::qt
