#include "qt/report/renderer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "core/platform/file_set.h"
#include "qt/platform/fonts.h"
#include "qt/platform/picture_files.h"
#include "qt/platform/qt_text.h"
#include "qt/report/pdf_pictures.h"
#include "qt/report/pdf_text_layer.h"

namespace omenary::qt {

namespace {

constexpr double kInchesPerMetre = 0.0254;
constexpr double kPixelsPerPoint = report::kLayoutUnitsPerInch / 72;
// Three pages hold a few hundred captions; the window's runs make new ones as the user goes, and a
// list a name for each row. Twice as many are kept at most.
constexpr std::size_t kMaxLaidOutCaptions = 1024;

QColor ColourOf(report::Colour colour) {
    return QColor::fromRgb(report::ColourRgb(colour));
}

double DpiOf(const QPainter& painter) {
    return painter.device()->logicalDpiY();
}

bool IsNeutral(QChar c) {
    return c.script() == QChar::Script_Common || c.script() == QChar::Script_Inherited;
}

// A caption on one line in its page font. Where the stand-in face's blank is wider than the designed
// face's, every blank is narrowed to the designed width (to whole 64ths of a pixel, as Qt spaces
// letters), so that blank-padded captions keep their shape; the words between are drawn apart.
// Measured as Qt lays the caption out as one line, without asking for its line breaks, which for
// Thai would load a word dictionary into every run.
class CaptionLine {
  public:
    CaptionLine(const report::Font& font, std::string_view caption) : font_(PageFont(font)) {
        const QString text = ToQString(caption);
        const QFontMetricsF metrics(font_);
        ascent_ = metrics.ascent();
        height_ = metrics.height();
        width_ = metrics.horizontalAdvance(text);
        const FontSubstitution* substitution = SubstitutionFor(font.face);
        outlined_ = substitution != nullptr && substitution->outlined;
        if (substitution == nullptr || substitution->blankEm <= 0 || !text.contains(QLatin1Char(' '))) {
            if (!text.isEmpty()) Add(text, 0, font_);
            return;
        }
        const double designed = substitution->blankEm * font.points * kPixelsPerPoint * kTextMagnification;
        const double own = metrics.horizontalAdvance(QLatin1Char(' '));
        const double narrowing = std::round((designed - own) * 64) / 64;
        // Digits and signs take the script of the caption's text: after Thai they are not kerned, as
        // they would be standing alone.
        const bool thai =
            std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Thai; });
        double x = 0;
        for (qsizetype i = 0; i < text.size();) {
            const bool blanks = text[i] == QLatin1Char(' ');
            qsizetype end = i;
            while (end < text.size() && (text[end] == QLatin1Char(' ')) == blanks)
                ++end;
            const QString part = text.mid(i, end - i);
            QFont face = font_;
            if (blanks) {
                // Blanks are drawn only where they show: under a rule.
                if (font_.underline()) {
                    face.setLetterSpacing(QFont::AbsoluteSpacing, narrowing);
                    Add(part, x, face);
                }
                width_ += narrowing * static_cast<double>(end - i);
                x += (own + narrowing) * static_cast<double>(end - i);
            } else {
                if (thai && std::all_of(part.begin(), part.end(), IsNeutral)) face.setKerning(false);
                Add(part, x, face);
                x += QFontMetricsF(face).horizontalAdvance(part);
            }
            i = end;
        }
    }

    double Width() const { return width_; }
    double Height() const { return height_; }
    // The program's own PDF draws captions in outlined faces as outlines, with an unseen copy of
    // their text that the text layer makes invisible.
    void Draw(QPainter& painter, QPointF topLeft, bool ownPdf) const {
        const bool outline = outlined_ && ownPdf;
        for (const Word& word : words_) {
            const QPointF at = topLeft + QPointF(word.x, ascent_);
            if (!outline) {
                DrawWord(painter, at, word.text, word.font, word.runs);
                continue;
            }
            QPainterPath path;
            path.addText(at, word.font, word.text);
            painter.fillPath(path, painter.pen().color());
            painter.save();
            painter.setPen(QColor::fromRgba(kUnseenTextColour));
            DrawWord(painter, at, word.text, word.unseenFont, word.unseenRuns);
            painter.restore();
        }
    }

    // What each text item Draw hands the device reads, in order: one item for each glyph run, the
    // word's text on its first.
    void AppendTexts(bool ownPdf, std::vector<TextItem>& texts) const {
        const bool outline = outlined_ && ownPdf;
        for (const Word& word : words_) {
            const qsizetype runs = (outline ? word.unseenRuns : word.runs).size();
            texts.push_back({word.text, outline});
            for (qsizetype i = 1; i < runs; ++i)
                texts.push_back({QString(), outline});
        }
    }

  private:
    struct Word {
        QString text;
        double x = 0;
        QFont font;
        // Shaped once for every page that shows the word: Qt would shape it again at each drawing.
        QList<QGlyphRun> runs;
        // The copy in the pages' own face that outlined words carry for copying and searching.
        QFont unseenFont;
        QList<QGlyphRun> unseenRuns;
    };

    void Add(const QString& text, double x, const QFont& font) {
        Word word{text, x, font, Shaped(text, font), {}, {}};
        if (outlined_) {
            word.unseenFont = font;
            word.unseenFont.setFamily(QString::fromLatin1(kPageTextFace));
            word.unseenRuns = Shaped(text, word.unseenFont);
        }
        words_.push_back(std::move(word));
    }

    // The text as drawText shapes it, baseline at 0. Nothing for underlined text, whose rule Qt draws
    // a little differently for glyph runs: that text is drawn, and shaped, as text every time.
    static QList<QGlyphRun> Shaped(const QString& text, const QFont& font) {
        if (font.underline()) return {};
        QTextLayout layout(text, font);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        QList<QGlyphRun> runs = layout.glyphRuns();
        for (QGlyphRun& run : runs) {
            QList<QPointF> positions = run.positions();
            for (QPointF& at : positions)
                at.ry() -= line.ascent();
            run.setPositions(positions);
        }
        return runs;
    }

    static void DrawWord(QPainter& painter, QPointF at, const QString& text, const QFont& font,
                         const QList<QGlyphRun>& runs) {
        // A device that keeps the drawing to replay it (the preview's pages) would keep glyph runs as
        // outlines, a gigabyte for a list of a thousand: it is given the text.
        const QPaintEngine* engine = painter.paintEngine();
        if (runs.isEmpty() || engine == nullptr || engine->type() == QPaintEngine::Picture) {
            painter.setFont(font);
            painter.drawText(at, text);
            return;
        }
        for (const QGlyphRun& run : runs)
            painter.drawGlyphRun(at, run);
    }

    QFont font_;
    bool outlined_ = false;
    double ascent_ = 0;
    double height_ = 0;
    double width_ = 0;
    std::vector<Word> words_;
};

// Captions as laid out, kept for the run: a page measures and draws each caption more than once (its
// box, the page, the PDF's text layer, the report), and the window draws the same pages again. When
// the captions in use fill the cache they become the older ones, which go at the next filling but
// for those used again meanwhile: what every page of a list shows stays, its rows' names go.
const CaptionLine& LaidOut(const report::Font& font, std::string_view caption) {
    using Captions = std::unordered_map<std::string, std::unique_ptr<const CaptionLine>>;
    static Captions laidOut, older;
    // Looked up for every caption of every page: the size goes into the key as its bytes.
    std::string key(sizeof font.points + 1, '\0');
    std::memcpy(key.data(), &font.points, sizeof font.points);
    key.back() = static_cast<char>('0' + font.bold + 2 * font.italic + 4 * font.underline);
    key.reserve(key.size() + font.face.size() + caption.size() + 1);
    key += font.face;
    key += '\x1f';
    key += caption;
    if (const auto found = laidOut.find(key); found != laidOut.end()) return *found->second;
    if (laidOut.size() >= kMaxLaidOutCaptions) older = std::exchange(laidOut, {});
    auto line = older.extract(key);
    return *laidOut
                .emplace(std::move(key),
                         line ? std::move(line.mapped()) : std::make_unique<const CaptionLine>(font, caption))
                .first->second;
}

void DrawText(const report::Text& text, const report::Box& box, QPainter& painter, bool ownPdf) {
    const QRectF area(box.x, box.y, box.width, box.height);
    if (!text.transparent) painter.fillRect(area, Qt::white);
    if (text.caption.empty()) return;
    // Only the scale and the pen change, and the scale is put back: a painter's save and restore
    // would write the whole drawing state into a PDF again for every caption.
    const QTransform unscaled = painter.transform();
    painter.scale(1 / kTextMagnification, 1 / kTextMagnification);
    painter.setPen(ColourOf(text.font.colour));
    // Captions are drawn from the top of their box and never clipped by it.
    const CaptionLine& line = LaidOut(text.font, text.caption);
    const double room = area.width() * kTextMagnification - line.Width();
    const double shift = text.alignment == report::Alignment::Right    ? room
                         : text.alignment == report::Alignment::Centre ? room / 2
                                                                       : 0;
    line.Draw(painter, area.topLeft() * kTextMagnification + QPointF(shift, 0), ownPdf);
    painter.setTransform(unscaled);
}

void DrawPicture(const report::Picture& picture, const report::Box& box, QPainter& painter,
                 QHash<QByteArray, QImage>& decoded, PdfPictures* pdfPictures) {
    if (picture.file.empty()) return;
    // By the path's bytes: two names that are no UTF-8 would fall together as text.
    const std::string& path = picture.resolved.native();
    const QByteArray key(path.data(), static_cast<qsizetype>(path.size()));
    auto found = decoded.find(key);
    if (found == decoded.end()) found = decoded.insert(key, DecodePicture(picture.resolved));
    if (found->isNull()) return;  // the file went away after the fill loaded it
    painter.drawImage(QRectF(box.x, box.y, box.width, box.height),
                      pdfPictures != nullptr ? pdfPictures->ToDraw(*found) : *found);
}

void DrawShape(const report::Shape& shape, const report::Box& box, QPainter& painter) {
    QPen pen(ColourOf(shape.pen), shape.penWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double half = shape.penWidth / 2.0;
    const double left = box.x, top = box.y, right = box.x + box.width, bottom = box.y + box.height;
    switch (shape.kind) {
        case report::ShapeKind::Rectangle:
            painter.drawRect(
                QRectF(left + half, top + half, box.width - shape.penWidth, box.height - shape.penWidth));
            break;
        case report::ShapeKind::Circle: {
            const double d = std::min(box.width, box.height);
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.drawEllipse(QRectF(left + (box.width - d) / 2 + half, top + (box.height - d) / 2 + half,
                                       d - shape.penWidth, d - shape.penWidth));
            painter.setRenderHint(QPainter::Antialiasing, false);
            break;
        }
        case report::ShapeKind::HorizontalLine:
            painter.drawLine(QPointF(left, top + box.height / 2.0), QPointF(right, top + box.height / 2.0));
            break;
        case report::ShapeKind::VerticalLine:
            painter.drawLine(QPointF(left + box.width / 2.0, top), QPointF(left + box.width / 2.0, bottom));
            break;
        case report::ShapeKind::LeftAndRight:
            painter.drawLine(QPointF(left + half, top), QPointF(left + half, bottom));
            painter.drawLine(QPointF(right - half, top), QPointF(right - half, bottom));
            break;
        case report::ShapeKind::TopAndBottom:
            painter.drawLine(QPointF(left, top + half), QPointF(right, top + half));
            painter.drawLine(QPointF(left, bottom - half), QPointF(right, bottom - half));
            break;
    }
}

QPageLayout LayoutOf(const report::Page& page) {
    const report::PaperLayout& paper = page.Paper();
    const double m = paper.marginMm;
    return QPageLayout(QPageSize(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter),
                       QPageLayout::Portrait, QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

QString FailureText(const std::filesystem::path& file, const QString& reason) {
    return ToQString(file.string()) + QStringLiteral(": ") + reason;
}

}  // namespace

QFont PageFont(const report::Font& font) {
    const FontSubstitution* substitution = SubstitutionFor(font.face);
    QFont qfont(substitution != nullptr ? QString::fromLatin1(substitution->installed)
                                        : ToQString(font.face));
    const double scale = substitution != nullptr ? substitution->scale : 1.0;
    // A pixel size is independent of the device's resolution; the painter's scaling to the device
    // gives the text its size there.
    qfont.setPixelSize(qRound(font.points * scale * kPixelsPerPoint * kTextMagnification));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    // Unhinted outlines measure the same at every resolution, so a box measured once fits everywhere.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

report::Box QtTextMetrics::Measure(const report::Font& font, std::string_view caption) const {
    const CaptionLine& line = LaidOut(font, caption);
    return {0, 0, static_cast<int>(std::ceil(line.Width() / kTextMagnification)),
            static_cast<int>(std::ceil(line.Height() / kTextMagnification))};
}

namespace {

// How the program's own PDF is drawn, which is finished once Qt has written it: captions in outlined
// faces as outlines with unseen text, and pictures as stand-ins.
struct OwnPdf {
    PdfPictures& pictures;
};

void DrawElements(const report::Page& page, QPainter& painter, const OwnPdf* ownPdf,
                  QHash<QByteArray, QImage>& decoded) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Glyphs and marks are line art: stored losslessly in a PDF, never as speckled JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    const QtTextMetrics metrics;
    for (const report::Element& element : page.Elements()) {
        const report::Box box = page.FinalBox(element, metrics);
        if (const auto* text = std::get_if<report::Text>(&element.content))
            DrawText(*text, box, painter, ownPdf != nullptr);
        else if (const auto* picture = std::get_if<report::Picture>(&element.content))
            DrawPicture(*picture, box, painter, decoded, ownPdf != nullptr ? &ownPdf->pictures : nullptr);
        else
            DrawShape(std::get<report::Shape>(element.content), box, painter);
    }
    painter.restore();
}

void RenderPaged(const report::Page& page, QPainter& painter, const OwnPdf* ownPdf,
                 QHash<QByteArray, QImage>& decoded) {
    // A paged device's painter starts at the top-left of the area inside the margins.
    const double scale = DpiOf(painter) / report::kLayoutUnitsPerInch;
    painter.save();
    painter.scale(scale, scale);
    DrawElements(page, painter, ownPdf, decoded);
    painter.restore();
}

void RenderPaged(const report::Page& page, QPainter& painter, const OwnPdf* ownPdf) {
    QHash<QByteArray, QImage> decoded;
    RenderPaged(page, painter, ownPdf, decoded);
}

// The page as Qt's PDF writer draws it, as the program's own PDF when told so.
QByteArray DrawnPdf(const report::Page& page, const OwnPdf* ownPdf) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setCreator(QString::fromLatin1(kPdfCreator));
    SetUpPagedDevice(page, writer);
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    RenderPaged(page, painter, ownPdf);
    if (ownPdf != nullptr) ownPdf->pictures.Prepare();
    if (!painter.end()) return {};
    return bytes;
}

}  // namespace

void DrawBand(const report::Page& page, QPainter& painter) {
    QHash<QByteArray, QImage> decoded;
    DrawElements(page, painter, nullptr, decoded);
}

PageSequence::PageSequence(QPagedPaintDevice& device) : device_(device) {}

PageSequence::~PageSequence() {
    if (painter_.isActive()) painter_.end();
}

bool PageSequence::Draw(const report::Page& page) {
    if (!painter_.isActive()) {
        if (begun_) return false;
        begun_ = true;
        SetUpPagedDevice(page, device_);
        if (!painter_.begin(&device_)) return false;
    } else if (!device_.newPage()) {
        return false;
    }
    RenderPaged(page, painter_, nullptr, decoded_);
    return true;
}

bool PageSequence::End() {
    return painter_.isActive() && painter_.end();
}

void SetUpPagedDevice(const report::Page& page, QPagedPaintDevice& device) {
    device.setPageLayout(LayoutOf(page));
}

void RenderOnPagedDevice(const report::Page& page, QPainter& painter) {
    RenderPaged(page, painter, nullptr);
}

QImage RenderImage(const report::Page& page, int dpi) {
    const report::PaperLayout& paper = page.Paper();
    const double pixelsPerMm = dpi / report::kMmPerInch;
    QImage image(qRound(paper.widthMm * pixelsPerMm), qRound(paper.heightMm * pixelsPerMm),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / kInchesPerMetre));
    image.setDotsPerMeterY(qRound(dpi / kInchesPerMetre));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(paper.marginMm * pixelsPerMm, paper.marginMm * pixelsPerMm);
    const double scale = dpi / report::kLayoutUnitsPerInch;
    painter.scale(scale, scale);
    DrawBand(page, painter);
    return image;
}

std::vector<TextItem> TextItems(const report::Page& page, bool ownPdf) {
    std::vector<TextItem> texts;
    for (const report::Element& element : page.Elements())
        if (const auto* text = std::get_if<report::Text>(&element.content); text && !text->caption.empty())
            LaidOut(text->font, text->caption).AppendTexts(ownPdf, texts);
    return texts;
}

namespace {

std::optional<QByteArray> OwnPdfBytes(const report::Page& page) {
    PdfPictures pictures;
    const OwnPdf own{pictures};
    auto filled = pictures.FilledIn(DrawnPdf(page, &own));
    if (!filled) return std::nullopt;
    MendCharacterMaps(*filled);
    return WithActualText(*filled, TextItems(page, true));
}

}  // namespace

QByteArray PdfBytes(const report::Page& page) {
    if (auto own = OwnPdfBytes(page)) return std::move(*own);
    // Should the program's own PDF not come out as drawn (its unseen text would show), the page is
    // as Qt draws it: pictures stored by Qt, every face embedded.
    QByteArray bytes = DrawnPdf(page, nullptr);
    if (bytes.isEmpty()) return {};
    MendCharacterMaps(bytes);
    return WithActualText(bytes, TextItems(page, false)).value_or(bytes);
}

QByteArray PngBytes(const report::Page& page, int dpi) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (!RenderImage(page, dpi).save(&out, "PNG")) return {};
    return bytes;
}

namespace {

// Writes the drawn outputs as one set; an output that could not be drawn writes nothing at all.
bool WriteDrawn(const std::vector<std::pair<std::filesystem::path, QByteArray>>& drawn, QString* error) {
    std::vector<platform::FileContent> files;
    for (const auto& [file, bytes] : drawn) {
        if (bytes.isEmpty()) {
            if (error != nullptr) *error = FailureText(file, QStringLiteral("the page could not be drawn"));
            return false;
        }
        files.push_back({file, bytes.toStdString()});
    }
    if (const auto failure = platform::WriteFileSet(files)) {
        if (error != nullptr) *error = ToQString(failure->Text());
        return false;
    }
    return true;
}

}  // namespace

bool WritePageFiles(const report::Page& page, const std::optional<std::filesystem::path>& pdf,
                    const std::optional<std::filesystem::path>& png, QString* error) {
    std::vector<std::pair<std::filesystem::path, QByteArray>> drawn;
    if (pdf) drawn.emplace_back(*pdf, PdfBytes(page));
    if (png) drawn.emplace_back(*png, PngBytes(page, kPngDpi));
    return WriteDrawn(drawn, error);
}

bool WritePdf(const report::Page& page, const std::filesystem::path& file, QString* error) {
    return WriteDrawn(
        {
            {file, PdfBytes(page)}
    },
        error);
}

bool WritePng(const report::Page& page, const std::filesystem::path& file, QString* error, int dpi) {
    return WriteDrawn(
        {
            {file, PngBytes(page, dpi)}
    },
        error);
}

}  // namespace omenary::qt
