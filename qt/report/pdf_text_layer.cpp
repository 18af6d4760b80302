#include "qt/report/pdf_text_layer.h"

#include <optional>
#include <utility>
#include <vector>

#include "qt/report/pdf_file.h"

namespace omenary::qt {

namespace {

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
std::optional<QByteArray> MarkTextObjects(const QByteArray& content, const std::vector<TextItem>& texts) {
    QByteArray marked;
    marked.reserve(content.size() + content.size() / 2);
    qsizetype from = 0;
    std::size_t next = 0;
    for (qsizetype at = content.indexOf("\nBT\n"); at >= 0; at = content.indexOf("\nBT\n", at + 1)) {
        const qsizetype end = content.indexOf("\nET\n", at);
        if (end < 0 || next >= texts.size()) return std::nullopt;
        const TextItem& item = texts[next++];
        marked += content.mid(from, at + 1 - from);
        marked += "/Span <</ActualText <" + Utf16Hex(item.text) + ">>> BDC\n";
        // Text render mode 3 draws nothing; the text is still there to copy and search.
        if (item.unseen) {
            marked += "BT\n3 Tr\n";
            marked += content.mid(at + 4, end + 1 - (at + 4));
            marked += "0 Tr\nET\n";
        } else {
            marked += content.mid(at + 1, end + 4 - (at + 1));
        }
        marked += "EMC\n";
        from = end + 4;
        at = end;
    }
    if (next != texts.size()) return std::nullopt;
    marked += content.mid(from);
    return marked;
}

}  // namespace

std::optional<QByteArray> WithActualText(const QByteArray& pdf, const std::vector<TextItem>& texts) {
    const auto xref = pdf::ReadCrossReference(pdf);
    const auto contents = xref ? pdf::Reference(pdf, 0, "/Contents ") : std::nullopt;
    const auto stream = contents ? pdf::DeflatedStream(pdf, *xref, *contents) : std::nullopt;
    if (!stream) return std::nullopt;
    const QByteArray content = pdf::Inflate(pdf.mid(stream->dataAt, stream->dataLength));
    const auto marked = content.isEmpty() ? std::nullopt : MarkTextObjects(content, texts);
    const QByteArray data = marked ? pdf::Deflate(*marked) : QByteArray();
    if (data.isEmpty()) return std::nullopt;
    std::vector<pdf::Edit> edits;
    pdf::ReplaceStreamData(edits, pdf, *stream, data);
    return pdf::Edited(pdf, *xref, std::move(edits));
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
