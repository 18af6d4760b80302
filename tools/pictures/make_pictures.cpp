// omenary-make-pictures: draws every bitmap the pages and the window load from data/.
//
//   omenary-make-pictures --cjk-font FILE --out DIR
//
// The Chinese characters come from the CJK font file given (only this program needs it, never the
// omenary programs); digits and Latin letters from DejaVu Sans. Every picture is drawn from outlines
// fitted to its box, so the same fonts give the same files byte for byte. A face that is missing or a
// character it lacks stops the run before anything is written: empty boxes are never drawn.
//
// Pictures that are only ever stretched into their slots are drawn at four times the slot's size so
// that they print sharply; pictures whose slot takes the bitmap's own size are drawn at that size.
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "core/astro/cycles.h"
#include "core/marriage/marriage_page.h"

namespace {

constexpr int kFine = 4;  // drawing scale of stretched-only pictures

const QColor kInk(0x10, 0x10, 0x10);
const QColor kSeal(0xB0, 0x10, 0x10);
const QColor kMark(0xD0, 0x18, 0x18);
const QColor kRing(0x60, 0x60, 0x60);

// The element characters and colours, in the order of the element names and their picture files.
struct ElementLook {
    const char* character;
    QColor colour;
};
const ElementLook kElementLooks[] = {
    {"土", QColor(0x8B, 0x5A, 0x00)}, // ดิน ground
    {"火", QColor(0xD0, 0x10, 0x10)}, // ไฟ fire
    {"木", QColor(0x10, 0x80, 0x20)}, // ไม้ wood
    {"水", QColor(0x10, 0x40, 0xC0)}, // น้ำ water
    {"金", QColor(0xB0, 0x80, 0x00)}, // ทอง gold
};

// Compass direction of each stem's sector (degrees clockwise from north); stems 5 and 6 belong to the
// centre and have none.
constexpr std::optional<int> kStemDirection[] = {75,           105, 165, 195, std::nullopt,
                                                 std::nullopt, 255, 285, 345, 15};

struct Fonts {
    QString cjk;
    QString latin;
};

[[noreturn]] void Fail(const QString& message) {
    std::fprintf(stderr, "omenary-make-pictures: %s\n", qPrintable(message));
    std::exit(1);
}

QFont FontOf(const QString& family, bool bold) {
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// The outline of a text, moved and scaled (keeping its proportions unless squeezed) into the area.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& area, bool squeeze = false) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    double sx = area.width() / bounds.width();
    double sy = area.height() / bounds.height();
    if (!squeeze) sx = sy = std::min(sx, sy);
    QTransform transform;
    transform.translate(area.center().x(), area.center().y());
    transform.scale(sx, sy);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

// A point on a compass drawn with south at the top, as the page's star grid is.
QPointF OnCompass(const QPointF& centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return centre + QPointF(-std::sin(a) * radius, std::cos(a) * radius);
}

QPainterPath Wedge(const QPointF& centre, double radius, double from, double to) {
    QPainterPath path(centre);
    for (double d = from; d <= to + 1e-9; d += 1)
        path.lineTo(OnCompass(centre, radius, d));
    path.closeSubpath();
    return path;
}

struct Picture {
    QString file;
    int width;
    int height;
    std::function<void(QPainter&, const QRectF&)> draw;
};

void Glyph(QPainter& p, const QRectF& r, const QString& text, const QString& family, const QColor& colour,
           double inset = 0.06) {
    const QRectF area =
        r.adjusted(r.width() * inset, r.height() * inset, -r.width() * inset, -r.height() * inset);
    p.fillPath(FittedText(text, FontOf(family, true), area), colour);
}

void Number(QPainter& p, const QRectF& r, int n, const QString& family) {
    const QString text = QString::number(n);
    // One digit keeps its shape; two digits are squeezed side by side. Every number starts at the
    // same distance from the left edge, so none touches the "/" drawn before it on the pages.
    const double margin = r.width() * 0.14;
    const double w = text.size() == 1 ? r.width() * 0.55 : r.width() - 2 * margin;
    const QRectF area(r.left() + margin, r.top() + r.height() * 0.14, w, r.height() * 0.72);
    p.fillPath(FittedText(text, FontOf(family, true), area, text.size() > 1), kInk);
}

// The compass of the aspect table: a ring with the twelve branch directions ticked.
void Compass(QPainter& p, const QRectF& r, std::optional<double> marked) {
    const QPointF c = r.center();
    const double radius = std::min(r.width(), r.height()) / 2 - r.width() * 0.06;
    if (marked) p.fillPath(Wedge(c, radius, *marked - 20, *marked + 20), kMark);
    p.setPen(QPen(kRing, r.width() * 0.06));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(kInk, r.width() * 0.05, Qt::SolidLine, Qt::FlatCap));
    for (int d = 0; d < 360; d += 30)
        p.drawLine(OnCompass(c, radius * 0.62, d), OnCompass(c, radius, d));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c, radius * 0.14, radius * 0.14);
}

// A stem character with its compass sector marked by a red band along the picture's edge.
void StemSector(QPainter& p, const QRectF& r, const QString& character, std::optional<int> direction,
                const QString& family) {
    Glyph(p, r, character, family, kInk, 0.17);
    if (!direction) return;
    const double band = std::min(r.width(), r.height()) * 0.13;
    const QRectF ring = r.adjusted(band / 2, band / 2, -band / 2, -band / 2);
    p.setPen(QPen(kMark, band, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    // Qt's arcs run counter-clockwise from three o'clock, in sixteenths of a degree.
    const QPointF towards = OnCompass(QPointF(0, 0), 1, *direction);
    const double angle = std::atan2(-towards.y(), towards.x()) * 180 / std::numbers::pi;
    p.drawArc(ring, qRound((angle - 28) * 16), 56 * 16);
}

void Element(QPainter& p, const QRectF& r, const ElementLook& look, const QString& family) {
    const double pen = r.width() / 13;
    p.setPen(QPen(look.colour, pen));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    Glyph(p, r, QString::fromUtf8(look.character), family, look.colour, 0.22);
}

void Tick(QPainter& p, const QRectF& r, bool ok) {
    const double w = r.width(), h = r.height();
    p.setPen(
        QPen(ok ? QColor(0x00, 0x80, 0x20) : kMark, w * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (ok) {
        QPainterPath check;
        check.moveTo(r.left() + w * 0.16, r.top() + h * 0.52);
        check.lineTo(r.left() + w * 0.42, r.top() + h * 0.80);
        check.lineTo(r.left() + w * 0.86, r.top() + h * 0.18);
        p.drawPath(check);
    } else {
        p.drawLine(QPointF(r.left() + w * 0.2, r.top() + h * 0.2),
                   QPointF(r.right() - w * 0.2, r.bottom() - h * 0.2));
        p.drawLine(QPointF(r.right() - w * 0.2, r.top() + h * 0.2),
                   QPointF(r.left() + w * 0.2, r.bottom() - h * 0.2));
    }
}

// The paper tray seen from above, paper fed upwards, with the envelope as the page options place it.
void Placement(QPainter& p, const QRectF& r, bool vertical, bool centred) {
    const QRectF tray(r.left() + 3, r.top() + 9, r.width() - 6, r.height() - 12);
    p.setPen(QPen(kRing, 1.5));
    p.setBrush(QColor(0xF2, 0xF2, 0xF2));
    p.drawRect(tray);
    QPainterPath arrow;  // feed direction
    arrow.moveTo(r.center().x(), r.top() + 1);
    arrow.lineTo(r.center().x() - 5, r.top() + 7);
    arrow.lineTo(r.center().x() + 5, r.top() + 7);
    arrow.closeSubpath();
    p.fillPath(arrow, kInk);
    const QSizeF size = vertical ? QSizeF(20, 36) : QSizeF(38, 22);
    const double left = centred ? tray.center().x() - size.width() / 2 : tray.left() + 1.5;
    const QRectF envelope(QPointF(left, tray.top() + 2), size);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0xFF, 0xF0, 0xC0));
    p.drawRect(envelope);
    // Lines of print along the envelope's length.
    p.setPen(QPen(kSeal, 1.2));
    for (int i = 1; i <= 3; ++i) {
        if (vertical) {
            const double x = envelope.right() - 4.5 * i;
            p.drawLine(QPointF(x, envelope.top() + 4), QPointF(x, envelope.bottom() - 6));
        } else {
            const double y = envelope.top() + 4.5 * i;
            p.drawLine(QPointF(envelope.left() + 4, y), QPointF(envelope.right() - 6, y));
        }
    }
}

// The round red seal of the maker with the character for good fortune.
void Seal(QPainter& p, const QRectF& disc, const QString& family) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSeal);
    p.drawEllipse(disc);
    p.setPen(QPen(Qt::white, disc.width() * 0.025));
    p.setBrush(Qt::NoBrush);
    const double inner = disc.width() * 0.08;
    p.drawEllipse(disc.adjusted(inner, inner, -inner, -inner));
    p.setPen(QPen(Qt::white, disc.width() * 0.03, Qt::SolidLine, Qt::FlatCap));
    for (int d = 0; d < 360; d += 30)
        p.drawLine(OnCompass(disc.center(), disc.width() * 0.42, d),
                   OnCompass(disc.center(), disc.width() * 0.36, d));
    Glyph(p, disc, QStringLiteral("吉"), family, Qt::white, 0.27);
}

void Logo(QPainter& p, const QRectF& r, const Fonts& fonts) {
    Seal(p, QRectF(r.center().x() - 32, r.top() + 2, 64, 64), fonts.cjk);
    p.fillPath(FittedText(QStringLiteral("MORVIT"), FontOf(fonts.latin, true),
                          QRectF(r.left() + 12, r.top() + 72, r.width() - 24, 13)),
               kSeal);
}

// A square-holed coin with "peace" and "good fortune" around the hole, at the right of its box: the
// envelope's giver line runs into the box from the left.
void CoinEmblem(QPainter& p, const QRectF& r, const Fonts& fonts) {
    const double d = std::min(r.height() * 0.96, r.width() * 0.69);
    const QRectF coin(r.right() - d - r.width() * 0.01, r.center().y() - d / 2, d, d);
    p.setPen(QPen(QColor(0x80, 0x58, 0x00), d * 0.02));
    p.setBrush(QColor(0xE8, 0xC0, 0x40));
    p.drawEllipse(coin);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(coin.adjusted(d * 0.06, d * 0.06, -d * 0.06, -d * 0.06));
    const double hole = d * 0.22;
    p.setBrush(Qt::white);
    p.drawRect(QRectF(coin.center().x() - hole / 2, coin.center().y() - hole / 2, hole, hole));
    const double cell = d * 0.2, reach = d * 0.28;
    const struct {
        const char* character;
        QPointF offset;
    } around[] = {
        {"平", {0, -reach}},
        {"安",  {0, reach}},
        {"吉",  {reach, 0}},
        {"祥", {-reach, 0}}
    };
    for (const auto& c : around) {
        const QPointF at = coin.center() + c.offset;
        Glyph(p, QRectF(at.x() - cell / 2, at.y() - cell / 2, cell, cell), QString::fromUtf8(c.character),
              fonts.cjk, QColor(0x60, 0x30, 0x00), 0);
    }
}

// The coin disc of the coin tab, behind the stem and branch pictures.
void CoinDisc(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0xB0, 0x98, 0x30), 1));
    p.setBrush(QColor(255, 255, 128));
    p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

std::vector<Picture> AllPictures(const Fonts& fonts) {
    using omenary::astro::kBranchCharacters;
    using omenary::astro::kStemCharacters;
    const QString cjk = fonts.cjk, latin = fonts.latin;
    std::vector<Picture> pictures;
    for (int b = 1; b <= 12; ++b) {
        const QString ch =
            QString::fromUtf8(kBranchCharacters[static_cast<std::size_t>(b - 1)].data(),
                              static_cast<int>(kBranchCharacters[static_cast<std::size_t>(b - 1)].size()));
        const QString n = QString::number(b);
        pictures.push_back({"BS" + n + ".bmp", 16 * kFine, 17 * kFine,
                            [=](QPainter& p, const QRectF& r) { Glyph(p, r, ch, cjk, kInk); }});
        pictures.push_back(
            {"B" + n + ".BMP", 26, 26, [=](QPainter& p, const QRectF& r) { Glyph(p, r, ch, cjk, kInk); }});
        pictures.push_back(
            {"N" + n + ".bmp", 17, 17, [=](QPainter& p, const QRectF& r) { Number(p, r, b, latin); }});
        // The 17 × 16 glyph of the coin tab's branch button, black as the buttons' captions.
        pictures.push_back({"GlyphBelow" + n + ".bmp", 17, 16,
                            [=](QPainter& p, const QRectF& r) { Glyph(p, r, ch, cjk, Qt::black, 0.03); }});
    }
    for (int s = 1; s <= 10; ++s) {
        const auto& utf8 = kStemCharacters[static_cast<std::size_t>(s - 1)];
        const QString ch = QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
        const QString n = QString::number(s);
        const std::optional<int> direction = kStemDirection[s - 1];
        pictures.push_back({"OS" + n + ".bmp", 16 * kFine, 17 * kFine,
                            [=](QPainter& p, const QRectF& r) { StemSector(p, r, ch, direction, cjk); }});
        pictures.push_back(
            {"O" + n + ".BMP", 26, 26, [=](QPainter& p, const QRectF& r) { Glyph(p, r, ch, cjk, kInk); }});
        pictures.push_back({"GlyphOn" + n + ".bmp", 17, 16,
                            [=](QPainter& p, const QRectF& r) { Glyph(p, r, ch, cjk, Qt::black, 0.03); }});
    }
    pictures.push_back({"os0.bmp", 17, 17, [](QPainter&, const QRectF&) {}});
    pictures.push_back({"BS0.bmp", 16 * kFine, 17 * kFine,
                        [](QPainter& p, const QRectF& r) { Compass(p, r, std::nullopt); }});
    for (int corner : {45, 135, 225, 315})
        pictures.push_back({"C" + QString::number(corner) + ".bmp", 16 * kFine, 17 * kFine,
                            [=](QPainter& p, const QRectF& r) { Compass(p, r, corner); }});
    for (std::size_t e = 0; e < omenary::astro::kElementPictures.size(); ++e) {
        const auto& name = omenary::astro::kElementPictures[e];
        const ElementLook look = kElementLooks[e];
        pictures.push_back({QString::fromLatin1(name.data(), static_cast<int>(name.size())), 26, 26,
                            [=](QPainter& p, const QRectF& r) { Element(p, r, look, cjk); }});
    }
    pictures.push_back(
        {"ok.BMP", 17 * kFine, 16 * kFine, [](QPainter& p, const QRectF& r) { Tick(p, r, true); }});
    pictures.push_back(
        {"no.BMP", 17 * kFine, 16 * kFine, [](QPainter& p, const QRectF& r) { Tick(p, r, false); }});
    // The glyphs of the marriage page's virtue table, stretched into 17 × 16 cells: each stem and
    // branch the table names, once.
    std::vector<omenary::marriage::VirtueGlyph> virtues;
    for (int m : omenary::marriage::kVirtueMonths)
        virtues.push_back({false, m});
    virtues.insert(virtues.end(), omenary::marriage::kTiangTek.begin(), omenary::marriage::kTiangTek.end());
    virtues.insert(virtues.end(), omenary::marriage::kNguayTek.begin(), omenary::marriage::kNguayTek.end());
    std::vector<std::string> drawn;
    for (const omenary::marriage::VirtueGlyph glyph : virtues) {
        const std::string file = omenary::marriage::VirtueGlyphPicture(glyph);
        if (std::find(drawn.begin(), drawn.end(), file) != drawn.end()) continue;
        drawn.push_back(file);
        const auto& utf8 = glyph.stem ? kStemCharacters[static_cast<std::size_t>(glyph.code - 1)]
                                      : kBranchCharacters[static_cast<std::size_t>(glyph.code - 1)];
        const QString ch = QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
        pictures.push_back({QString::fromStdString(file), 17 * kFine, 16 * kFine,
                            [=](QPainter& p, const QRectF& r) { Glyph(p, r, ch, cjk, kInk); }});
    }
    // The marriage page's fixed check and cross marks take their bitmap's size.
    pictures.push_back({"check.bmp", 17, 17, [](QPainter& p, const QRectF& r) { Tick(p, r, true); }});
    pictures.push_back({"cross.bmp", 17, 17, [](QPainter& p, const QRectF& r) { Tick(p, r, false); }});
    for (int n = 1; n <= 4; ++n)
        pictures.push_back({"portrait" + QString::number(n) + ".bmp", 58, 62,
                            [=](QPainter& p, const QRectF& r) { Placement(p, r, n >= 3, n % 2 == 0); }});
    pictures.push_back({"logo.bmp", 109, 90, [=](QPainter& p, const QRectF& r) { Logo(p, r, fonts); }});
    pictures.push_back({"titlelogo.bmp", 70, 70,
                        [=](QPainter& p, const QRectF& r) { Seal(p, r.adjusted(2, 2, -2, -2), cjk); }});
    pictures.push_back({"coindisc.bmp", 42, 42, [](QPainter& p, const QRectF& r) { CoinDisc(p, r); }});
    pictures.push_back({"emblem.bmp", 95 * kFine, 78 * kFine,
                        [=](QPainter& p, const QRectF& r) { CoinEmblem(p, r, fonts); }});
    return pictures;
}

// Every character the pictures draw from the CJK face.
QString CjkCharacters() {
    QString all = QStringLiteral("吉平安祥");
    for (const auto& c : omenary::astro::kBranchCharacters)
        all += QString::fromUtf8(c.data(), static_cast<int>(c.size()));
    for (const auto& c : omenary::astro::kStemCharacters)
        all += QString::fromUtf8(c.data(), static_cast<int>(c.size()));
    for (const ElementLook& look : kElementLooks)
        all += QString::fromUtf8(look.character);
    return all;
}

// The face in the file, checked to hold every character it must draw.
QString LoadCjkFace(const QString& file) {
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        Fail("cannot load the CJK font " + file + " (install fonts-noto-cjk: tools/make-pictures.sh does)");
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    QString family = families.value(0);
    for (const QString& f : families)  // traditional forms where the file offers a choice
        if (f.contains(QStringLiteral("TC"))) family = f;
    const QRawFont raw = QRawFont::fromFont(FontOf(family, true));
    for (const QChar c : CjkCharacters())
        if (!raw.isValid() || !raw.supportsCharacter(c))
            Fail("the font " + file + " (" + family + ") has no glyph for " + QString(c));
    return family;
}

QString LatinFace() {
    const QString family = QStringLiteral("DejaVu Sans");
    if (QFontInfo(FontOf(family, true)).family() != family)
        Fail("DejaVu Sans is not installed (fonts-dejavu-core)");
    return family;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int fontAt = args.indexOf(QStringLiteral("--cjk-font"));
    const int outAt = args.indexOf(QStringLiteral("--out"));
    if (fontAt < 0 || outAt < 0 || fontAt + 1 >= args.size() || outAt + 1 >= args.size())
        Fail("usage: omenary-make-pictures --cjk-font FILE --out DIR");
    const Fonts fonts{LoadCjkFace(args[fontAt + 1]), LatinFace()};
    const QDir out(args[outAt + 1]);
    if (!out.mkpath(QStringLiteral("."))) Fail("cannot create " + out.path());

    for (const Picture& picture : AllPictures(fonts)) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        image.fill(Qt::white);
        // Screen resolution, so that a slot sized to its bitmap is as large as the bitmap's pixels.
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, true);
            picture.draw(painter, QRectF(0, 0, picture.width, picture.height));
        }
        if (!image.save(out.filePath(picture.file), "BMP"))
            Fail("cannot write " + out.filePath(picture.file));
    }
    std::printf("%zu pictures written to %s\n", AllPictures(fonts).size(), qPrintable(out.path()));
    return 0;
}
