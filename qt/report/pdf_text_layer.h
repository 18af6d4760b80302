// The text layer of the page's PDF: what copying or searching in a viewer gives. Qt writes every text
// item as one text object of glyphs, which a viewer maps back to characters through the font; Thai
// does not survive that on its own (sara am is drawn as two glyphs, marks sit apart from their
// consonants, shifted marks map to private-use characters). The page says outright what each text
// object reads.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <optional>
#include <vector>

namespace omenary::qt {

// Text drawn in this colour is there to be read, not seen: its text object is made invisible.
inline constexpr QRgb kUnseenTextColour = 0xFF010203;

struct TextItem {
    QString text;
    bool unseen = false;  // drawn in kUnseenTextColour
};

// The PDF with the k-th text object of its page marked as reading the k-th text, and made invisible
// when that text is unseen. Nothing for a file whose page does not hold exactly one text object per
// text, or that is not laid out as Qt writes it.
std::optional<QByteArray> WithActualText(const QByteArray& pdf, const std::vector<TextItem>& texts);

// The texts of a document's pages, in page order. A text that many pages show is kept once, and a
// page only as far as it differs from the page before (a list's envelopes differ in a name), so a
// long list takes little room. Pages are read fastest in order, from one thread at a time.
class DocumentTexts {
  public:
    void AddPage(const std::vector<TextItem>& texts);
    std::size_t PageCount() const { return pages_.size(); }
    std::vector<TextItem> Page(std::size_t page) const;

  private:
    // Each text as twice its index, plus one when unseen.
    using Codes = std::vector<quint32>;
    struct Change {
        quint32 at;
        quint32 code;
    };
    struct PageChanges {
        std::size_t size = 0;
        std::vector<Change> changes;  // from the page before
    };
    QHash<QString, quint32> index_;
    std::vector<QString> texts_;
    std::vector<PageChanges> pages_;
    Codes last_;  // of the page added last
    // The page read last, from which the next one is read.
    mutable std::size_t read_ = 0;
    mutable Codes readCodes_;
};

// Copies a PDF of any number of pages as Qt's writer lays it out from `in` to `out`, one object at a
// time: the text objects of each page marked with its texts as WithActualText marks a single page's,
// and the character maps mended as MendCharacterMaps mends them. A page whose text objects do not
// match its texts is copied as it is, and so is a whole file that is not laid out so. False when `in`
// could not be read or `out` written.
bool CopyWithTextLayer(QIODevice& in, QIODevice& out, const DocumentTexts& texts);

// Rewrites the character maps (ToUnicode) of the PDF's fonts in place, for viewers that read the
// glyphs: shifted Thai glyphs read as their marks and the blank glyph as a blank.
void MendCharacterMaps(QByteArray& pdf);

}  // namespace omenary::qt
