#include "qt/report/pdf_text_layer.h"

#include <algorithm>
#include <future>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "qt/report/pdf_file.h"

namespace omenary::qt {

namespace {

// A UTF-16 code unit as PDF writes it in hex strings and character maps.
void AppendHex(QByteArray& to, char16_t unit) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const char hex[4] = {kDigits[(unit >> 12) & 15], kDigits[(unit >> 8) & 15], kDigits[(unit >> 4) & 15],
                         kDigits[unit & 15]};
    to.append(hex, 4);
}

QByteArray Hex(char16_t unit) {
    QByteArray hex;
    AppendHex(hex, unit);
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
        marked.append(content.constData() + from, at + 1 - from);
        marked.append("/Span <</ActualText <FEFF");
        for (const QChar c : item.text)
            AppendHex(marked, c.unicode());
        marked.append(">>> BDC\n");
        // Text render mode 3 draws nothing; the text is still there to copy and search.
        if (item.unseen) {
            marked.append("BT\n3 Tr\n");
            marked.append(content.constData() + at + 4, end + 1 - (at + 4));
            marked.append("0 Tr\nET\n");
        } else {
            marked.append(content.constData() + at + 1, end + 4 - (at + 1));
        }
        marked.append("EMC\n");
        from = end + 4;
        at = end;
    }
    if (next != texts.size()) return std::nullopt;
    marked.append(content.constData() + from, content.size() - from);
    return marked;
}

// A deflated content stream's data with its text objects marked, deflated again; empty when it
// does not inflate or its text objects do not match.
QByteArray MarkedStreamData(const QByteArray& deflated, const std::vector<TextItem>& texts) {
    const QByteArray content = pdf::Inflate(deflated);
    const auto marked = content.isEmpty() ? std::nullopt : MarkTextObjects(content, texts);
    return marked ? pdf::Deflate(*marked) : QByteArray();
}

}  // namespace

std::optional<QByteArray> WithActualText(const QByteArray& pdf, const std::vector<TextItem>& texts) {
    const auto xref = pdf::ReadCrossReference(pdf);
    const auto contents = xref ? pdf::Reference(pdf, 0, "/Contents ") : std::nullopt;
    const auto stream = contents ? pdf::DeflatedStream(pdf, *xref, *contents) : std::nullopt;
    const QByteArray data =
        stream ? MarkedStreamData(pdf.mid(stream->dataAt, stream->dataLength), texts) : "";
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

void DocumentTexts::AddPage(const std::vector<TextItem>& texts) {
    Codes codes;
    codes.reserve(texts.size());
    for (const TextItem& item : texts) {
        auto found = index_.constFind(item.text);
        if (found == index_.constEnd()) {
            found = index_.insert(item.text, static_cast<quint32>(texts_.size()));
            texts_.push_back(item.text);
        }
        codes.push_back(*found * 2 + (item.unseen ? 1 : 0));
    }
    PageChanges& page = pages_.emplace_back(PageChanges{codes.size(), {}});
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (i >= last_.size() || last_[i] != codes[i])
            page.changes.push_back({static_cast<quint32>(i), codes[i]});
    last_ = std::move(codes);
}

std::vector<TextItem> DocumentTexts::Page(std::size_t page) const {
    std::vector<TextItem> texts;
    if (page >= pages_.size()) return texts;
    if (page + 1 < read_ || read_ == 0) {
        read_ = 0;
        readCodes_.clear();
    }
    for (; read_ <= page; ++read_) {
        readCodes_.resize(pages_[read_].size);
        for (const Change& change : pages_[read_].changes)
            readCodes_[change.at] = change.code;
    }
    for (const quint32 code : readCodes_)
        texts.push_back({texts_[code / 2], code % 2 == 1});
    return texts;
}

namespace {

QByteArray ReadAt(QIODevice& in, qint64 at, qint64 length) {
    return length >= 0 && in.seek(at) ? in.read(length) : QByteArray();
}

bool WriteAll(QIODevice& out, const QByteArray& bytes) {
    return out.write(bytes) == bytes.size();
}

bool CopyAsItIs(QIODevice& in, QIODevice& out) {
    if (!in.seek(0)) return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() || !WriteAll(out, chunk)) return false;
    }
    return true;
}

// A page's content stream, with its text objects marked, and the length of its new data; nothing
// when the object is not a deflated stream whose length the file gives as `length`, or its text
// objects do not match.
std::optional<std::pair<QByteArray, qint64>> MarkedContent(const QByteArray& object, qint64 length,
                                                           const std::vector<TextItem>& texts) {
    const qsizetype streamAt = object.indexOf(">>\nstream\n");
    const qsizetype end = object.lastIndexOf("\nendstream\nendobj\n");
    const qsizetype filter = object.indexOf("/FlateDecode");
    if (streamAt < 0 || filter < 0 || filter > streamAt || end - (streamAt + 10) != length)
        return std::nullopt;
    const QByteArray data = MarkedStreamData(object.mid(streamAt + 10, length), texts);
    if (data.isEmpty()) return std::nullopt;
    return std::pair{object.left(streamAt + 10) + data + object.mid(end), data.size()};
}

}  // namespace

bool CopyWithTextLayer(QIODevice& in, QIODevice& out, const DocumentTexts& texts) {
    const qint64 size = in.size();
    const QByteArray end = ReadAt(in, std::max<qint64>(0, size - 64), std::min<qint64>(size, 64));
    const qsizetype start = end.lastIndexOf("startxref\n");
    const auto table = start >= 0 ? pdf::NumberAt(end, start + 10) : std::nullopt;
    if (!table || table->first <= 0 || table->first >= size) return CopyAsItIs(in, out);
    QByteArray tail = ReadAt(in, table->first, size - table->first);
    const auto xref = pdf::ReadCrossReference(tail, static_cast<qsizetype>(table->first));
    // The objects in the order the file holds them, each running up to the next one.
    std::vector<std::pair<qint64, qint64>> objects;  // where, which
    if (xref)
        for (std::size_t i = 0; i < xref->offsets.size(); ++i)
            if (xref->offsets[i] >= 0) objects.emplace_back(xref->offsets[i], static_cast<qint64>(i));
    std::sort(objects.begin(), objects.end());
    const bool apart = std::adjacent_find(objects.begin(), objects.end(), [](const auto& a, const auto& b) {
                           return a.first == b.first;
                       }) == objects.end();
    if (!xref || objects.empty() || !apart || objects.front().first <= 0 ||
        objects.back().first >= xref->tableAt)
        return CopyAsItIs(in, out);

    qint64 written = objects.front().first;
    if (!WriteAll(out, ReadAt(in, 0, written))) return false;
    std::unordered_map<qint64, std::size_t> pageOfContents;
    std::unordered_map<qint64, qint64> newLengths;
    std::vector<qint64> moved(xref->offsets.size(), -1);
    std::size_t pages = 0;
    // A few hundred objects at a time: their pages are marked on both cores while the file is copied.
    constexpr std::size_t kBatch = 256;
    struct Piece {
        qint64 number = 0;
        QByteArray object;
        std::vector<TextItem> texts;  // of the page whose contents it is
        qint64 lengthObject = 0;
        qint64 length = -1;  // the stream's, when its length object follows it
        std::optional<std::pair<QByteArray, qint64>> marked;
    };
    for (std::size_t first = 0; first < objects.size(); first += kBatch) {
        std::vector<Piece> batch;
        std::vector<Piece*> contents;
        batch.reserve(kBatch);
        for (std::size_t k = first; k < std::min(objects.size(), first + kBatch); ++k) {
            const auto [at, number] = objects[k];
            const qint64 next = k + 1 < objects.size() ? objects[k + 1].first : xref->tableAt;
            Piece& piece = batch.emplace_back(Piece{number, ReadAt(in, at, next - at), {}, 0, -1, {}});
            if (piece.object.size() != next - at) return false;
            if (const auto page = pageOfContents.find(number); page != pageOfContents.end()) {
                // Marked only when its length comes after it, to be written anew.
                const auto lengthObject = pdf::Reference(piece.object, 0, "/Length ");
                const qint64 lengthAt = lengthObject && *lengthObject > 0 &&
                                                *lengthObject < static_cast<qint64>(xref->offsets.size())
                                            ? xref->offsets[static_cast<std::size_t>(*lengthObject)]
                                            : -1;
                const QByteArray lengthHead = QByteArray::number(lengthObject.value_or(0)) + " 0 obj\n";
                const QByteArray lengthBody =
                    lengthAt > at ? ReadAt(in, lengthAt, lengthHead.size() + 20) : "";
                if (const auto length = pdf::At(lengthBody, 0, lengthHead)
                                            ? pdf::NumberAt(lengthBody, lengthHead.size())
                                            : std::nullopt) {
                    piece.texts = texts.Page(page->second);
                    piece.lengthObject = *lengthObject;
                    piece.length = length->first;
                    contents.push_back(&piece);
                }
            } else if (piece.object.contains("/Type /Page\n")) {
                if (const auto contentsObject = pdf::Reference(piece.object, 0, "/Contents "))
                    pageOfContents[*contentsObject] = pages++;
            }
        }
        const auto mark = [&contents](std::size_t from, std::size_t to) {
            for (std::size_t i = from; i < to; ++i)
                contents[i]->marked =
                    MarkedContent(contents[i]->object, contents[i]->length, contents[i]->texts);
        };
        auto half = std::async(std::launch::async, mark, contents.size() / 2, contents.size());
        mark(0, contents.size() / 2);
        half.get();

        for (Piece& piece : batch) {
            if (const auto renewed = newLengths.find(piece.number); renewed != newLengths.end()) {
                piece.object = QByteArray::number(piece.number) + " 0 obj\n" +
                               QByteArray::number(renewed->second) + "\nendobj\n";
            } else if (piece.marked) {
                piece.object = std::move(piece.marked->first);
                newLengths[piece.lengthObject] = piece.marked->second;
            } else if (piece.object.contains("begincmap")) {
                MendCharacterMaps(piece.object);
            }
            moved[static_cast<std::size_t>(piece.number)] = written;
            if (!WriteAll(out, piece.object)) return false;
            written += piece.object.size();
        }
    }

    // The table with every object where it now stands, and the trailer pointing at the table.
    const qsizetype entries = xref->entriesAt - xref->tableAt;
    for (std::size_t i = 0; i < moved.size(); ++i)
        if (moved[i] >= 0)
            tail.replace(entries + static_cast<qsizetype>(i) * 20, 10,
                         QByteArray::number(moved[i]).rightJustified(10, '0'));
    const qsizetype startValue = xref->startValue - xref->tableAt;
    const auto oldStart = pdf::NumberAt(tail, startValue);
    if (!oldStart) return false;
    tail.replace(startValue, oldStart->second - startValue, QByteArray::number(written));
    return WriteAll(out, tail);
}

}  // namespace omenary::qt
