// Reading and patching a PDF as Qt's writer lays it out: one cross-reference table, each object
// written as "N 0 obj\n", each stream's length an object of its own. Whatever does not look so is
// not found, and the caller leaves the file as it was.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <utility>
#include <vector>

namespace omenary::qt::pdf {

// Whether the file holds text at `at`.
bool At(const QByteArray& pdf, qsizetype at, QByteArrayView text);

// The number written at `at`, and where it ends; nothing when there is no number there.
std::optional<std::pair<qint64, qsizetype>> NumberAt(const QByteArray& pdf, qsizetype at);

// The object number given as "/Key N 0 R" after `from`.
std::optional<qint64> Reference(const QByteArray& pdf, qsizetype from, const QByteArray& key);

struct CrossReference {
    qsizetype tableAt = 0;        // "xref"
    qsizetype startValue = 0;     // the number after "startxref"
    std::vector<qint64> offsets;  // by object number; -1 for free entries
    qsizetype entriesAt = 0;      // the first 20-byte entry
};

std::optional<CrossReference> ReadCrossReference(const QByteArray& pdf);
// The same, read from the file's last bytes: those from `base` on, at least the table and trailer.
std::optional<CrossReference> ReadCrossReference(const QByteArray& tail, qsizetype base);

// The object's body: where "N 0 obj\n" ends, or nothing when the table points elsewhere.
std::optional<qsizetype> ObjectBody(const QByteArray& pdf, const CrossReference& xref, qint64 object);

// A deflated stream of an object: where its dictionary and data start, how long the data is, and
// its length object and where that object's number is written.
struct Stream {
    qsizetype dictionaryAt = 0;
    qsizetype dataAt = 0;
    qsizetype dataLength = 0;
    qint64 lengthObject = 0;
    qsizetype lengthAt = 0;
};

std::optional<Stream> DeflatedStream(const QByteArray& pdf, const CrossReference& xref, qint64 object);

// zlib's own format, as FlateDecode reads it. Inflate gives an empty array for data that is not;
// Deflate compresses at the fastest level, and gives an empty array when it cannot.
QByteArray Inflate(const QByteArray& deflated);
QByteArray Deflate(const QByteArray& data);

// Bytes [at, at + length) of the file replaced.
struct Edit {
    qsizetype at = 0;
    qsizetype length = 0;
    QByteArray with;
};

// The stream's data and its written length replaced.
void ReplaceStreamData(std::vector<Edit>& edits, const QByteArray& pdf, const Stream& stream,
                       const QByteArray& data);

// The file with the edits (which must not overlap) made and every offset in its cross-reference
// moved to match; nothing when the table cannot be rewritten.
std::optional<QByteArray> Edited(const QByteArray& pdf, const CrossReference& xref, std::vector<Edit> edits);

}  // namespace omenary::qt::pdf
