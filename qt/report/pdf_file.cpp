#include "qt/report/pdf_file.h"

#include <zlib.h>

#include <algorithm>

namespace omenary::qt::pdf {

bool At(const QByteArray& pdf, qsizetype at, QByteArrayView text) {
    return at >= 0 && pdf.size() - at >= text.size() && QByteArrayView(pdf).sliced(at, text.size()) == text;
}

std::optional<std::pair<qint64, qsizetype>> NumberAt(const QByteArray& pdf, qsizetype at) {
    qsizetype end = at;
    while (end < pdf.size() && end - at < 18 && pdf[end] >= '0' && pdf[end] <= '9')
        ++end;
    if (end == at) return std::nullopt;
    return std::pair{pdf.mid(at, end - at).toLongLong(), end};
}

std::optional<qint64> Reference(const QByteArray& pdf, qsizetype from, const QByteArray& key) {
    const qsizetype at = pdf.indexOf(key, from);
    if (at < 0) return std::nullopt;
    const auto number = NumberAt(pdf, at + key.size());
    if (!number || !At(pdf, number->second, " 0 R")) return std::nullopt;
    return number->first;
}

std::optional<CrossReference> ReadCrossReference(const QByteArray& pdf) {
    return ReadCrossReference(pdf, 0);
}

std::optional<CrossReference> ReadCrossReference(const QByteArray& tail, qsizetype base) {
    CrossReference xref;
    const qsizetype start = tail.lastIndexOf("startxref\n");
    if (start < 0) return std::nullopt;
    const auto table = NumberAt(tail, start + 10);
    const qsizetype local = table ? static_cast<qsizetype>(table->first) - base : -1;
    if (!table || !At(tail, local, "xref\n0 ")) return std::nullopt;
    xref.startValue = base + start + 10;
    xref.tableAt = base + local;
    const auto count = NumberAt(tail, local + 7);
    if (!count || count->first > 1000000 || !At(tail, count->second, "\n")) return std::nullopt;
    const qsizetype entries = count->second + 1;
    xref.entriesAt = base + entries;
    if (entries + count->first * 20 > tail.size()) return std::nullopt;
    for (qint64 i = 0; i < count->first; ++i) {
        const qsizetype entry = entries + static_cast<qsizetype>(i) * 20;
        const auto offset = NumberAt(tail, entry);
        if (!offset || offset->second != entry + 10) return std::nullopt;
        xref.offsets.push_back(tail[entry + 17] == 'n' ? offset->first : -1);
    }
    return xref;
}

std::optional<qsizetype> ObjectBody(const QByteArray& pdf, const CrossReference& xref, qint64 object) {
    if (object <= 0 || object >= static_cast<qint64>(xref.offsets.size())) return std::nullopt;
    const qint64 at = xref.offsets[static_cast<std::size_t>(object)];
    const QByteArray head = QByteArray::number(object) + " 0 obj\n";
    if (at < 0 || !At(pdf, static_cast<qsizetype>(at), head)) return std::nullopt;
    return static_cast<qsizetype>(at) + head.size();
}

std::optional<Stream> DeflatedStream(const QByteArray& pdf, const CrossReference& xref, qint64 object) {
    const auto body = ObjectBody(pdf, xref, object);
    if (!body || !At(pdf, *body, "<<")) return std::nullopt;
    const qsizetype streamAt = pdf.indexOf(">>\nstream\n", *body);
    if (streamAt < 0) return std::nullopt;
    const QByteArray dictionary = pdf.mid(*body, streamAt - *body);
    const auto lengthObject = Reference(dictionary, 0, "/Length ");
    if (!lengthObject || dictionary.indexOf("/FlateDecode") < 0) return std::nullopt;
    const auto lengthBody = ObjectBody(pdf, xref, *lengthObject);
    const auto length = lengthBody ? NumberAt(pdf, *lengthBody) : std::nullopt;
    if (!length) return std::nullopt;
    Stream stream{*body, streamAt + 10, static_cast<qsizetype>(length->first), *lengthObject, *lengthBody};
    if (!At(pdf, stream.dataAt + stream.dataLength, "\nendstream")) return std::nullopt;
    return stream;
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

namespace {

// One compressor for every stream of a thread's pages: setting zlib up for each of a page's thirty
// pictures took longer than compressing them.
class Deflater {
  public:
    Deflater() { ready_ = deflateInit(&stream_, Z_BEST_SPEED) == Z_OK; }
    ~Deflater() {
        if (ready_) deflateEnd(&stream_);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    QByteArray Deflate(const QByteArray& data) {
        if (!ready_ || deflateReset(&stream_) != Z_OK) return {};
        QByteArray out(static_cast<qsizetype>(deflateBound(&stream_, static_cast<uLong>(data.size()))),
                       Qt::Uninitialized);
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
        stream_.avail_in = static_cast<uInt>(data.size());
        stream_.next_out = reinterpret_cast<Bytef*>(out.data());
        stream_.avail_out = static_cast<uInt>(out.size());
        if (deflate(&stream_, Z_FINISH) != Z_STREAM_END) return {};
        out.truncate(static_cast<qsizetype>(stream_.total_out));
        return out;
    }

  private:
    z_stream stream_{};
    bool ready_ = false;
};

}  // namespace

QByteArray Deflate(const QByteArray& data) {
    // Larger than any page's stream; zlib's counts are 32-bit.
    if (data.size() > (1 << 30)) return {};
    thread_local Deflater deflater;
    return deflater.Deflate(data);
}

void ReplaceStreamData(std::vector<Edit>& edits, const QByteArray& pdf, const Stream& stream,
                       const QByteArray& data) {
    const qsizetype lengthEnd = NumberAt(pdf, stream.lengthAt)->second;
    edits.push_back({stream.dataAt, stream.dataLength, data});
    edits.push_back({stream.lengthAt, lengthEnd - stream.lengthAt, QByteArray::number(data.size())});
}

std::optional<QByteArray> Edited(const QByteArray& pdf, const CrossReference& xref, std::vector<Edit> edits) {
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.at < b.at; });
    QByteArray out;
    out.reserve(pdf.size() + pdf.size() / 2);
    qsizetype from = 0;
    for (const Edit& edit : edits) {
        if (edit.at < from || edit.at + edit.length > xref.tableAt) return std::nullopt;
        out.append(pdf.constData() + from, edit.at - from);
        out += edit.with;
        from = edit.at + edit.length;
    }
    out.append(pdf.constData() + from, pdf.size() - from);
    // Every offset moves by what the edits before it added or took away.
    auto moved = [&](qint64 at) {
        qint64 shift = 0;
        for (const Edit& edit : edits)
            if (edit.at < at) shift += edit.with.size() - edit.length;
        return at + shift;
    };
    const qsizetype entries = moved(xref.entriesAt);
    for (std::size_t i = 0; i < xref.offsets.size(); ++i) {
        if (xref.offsets[i] < 0) continue;
        const QByteArray offset = QByteArray::number(moved(xref.offsets[i])).rightJustified(10, '0');
        if (offset.size() != 10) return std::nullopt;
        out.replace(entries + static_cast<qsizetype>(i) * 20, 10, offset);
    }
    const qsizetype startValue = moved(xref.startValue);
    const auto oldStart = NumberAt(out, startValue);
    if (!oldStart) return std::nullopt;
    out.replace(startValue, oldStart->second - startValue, QByteArray::number(moved(xref.tableAt)));
    return out;
}

}  // namespace omenary::qt::pdf
