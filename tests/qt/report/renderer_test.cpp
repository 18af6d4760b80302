#include "qt/report/renderer.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

#include <sys/stat.h>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "core/coin/envelope_page.h"
#include "core/general/general_page.h"
#include "core/marriage/marriage_page.h"
#include "qt/platform/fonts.h"
#include "qt/platform/picture_files.h"
#include "qt/report/page_output.h"
#include "qt/report/pdf_file.h"
#include "qt/report/pdf_pages.h"
#include "qt/report/pdf_text_layer.h"

namespace omenary::qt {

// The text a reader finds in the PDF (what a user's search finds); the printing tests use it too.
std::string PdfText(const std::filesystem::path& pdf) {
    std::string text;
    if (FILE* pipe = popen(("pdftotext -raw " + pdf.string() + " -").c_str(), "r"); pipe != nullptr) {
        char buffer[4096];
        for (std::size_t read = 0; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, read);
        pclose(pipe);
    }
    return text;
}

namespace {

namespace fs = std::filesystem;
using report::Box;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "test_qt_report";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        auto* created = new QApplication(argc, argv);
        InstallFontSubstitutions();
        return created;
    }();
    (void)application;
}

class Rendering : public omenary::testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        EnsureApplication();
    }

    // A plain bitmap of one colour in the test folder.
    void Bitmap(const char* name, int width, int height, QColor colour) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString((root_ / name).string()), "BMP"));
    }

    report::Page FilledPage() {
        report::Page page = general::GeneralPage();
        page.LoadDesignPictures(QtPictureFiles(fs::path(OMENARY_DATA_DIR)));
        return page;
    }
};

constexpr int kDpi = 150;
constexpr double kMarginPx = 10 / 25.4 * kDpi;

// The pixel of a point in layout units of the band, at 150 dpi.
QPoint PixelOf(double x, double y) {
    return {static_cast<int>(std::floor(kMarginPx + x * kDpi / 96.0)),
            static_cast<int>(std::floor(kMarginPx + y * kDpi / 96.0))};
}

// Whether a rule passes within a pixel of the point.
bool IsDarkNear(const QImage& image, double x, double y) {
    const QPoint centre = PixelOf(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (qGray(image.pixel(centre + QPoint(dx, dy))) < 160) return true;  // black or dark grey
    return false;
}

TEST_F(Rendering, ThePngIsAWholeA4SheetAndEverythingLiesInsideThePrintableArea) {
    const QImage image = RenderImage(FilledPage(), kDpi);
    EXPECT_EQ(image.width(), 1240);
    EXPECT_EQ(image.height(), 1754);
    QRect inked;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != qRgb(255, 255, 255)) inked |= QRect(x, y, 1, 1);
    }
    const QRect printable(QPoint(59, 59), QPoint(1240 - 60, 1754 - 60));
    EXPECT_TRUE(printable.contains(inked))
        << inked.x() << "," << inked.y() << " " << inked.width() << "x" << inked.height();
    // The page is not blank: the logo at the corner and the footer rule near the band's bottom.
    EXPECT_LE(inked.top(), PixelOf(0, 5).y());
    EXPECT_GE(inked.bottom(), PixelOf(0, 1020).y());
}

TEST_F(Rendering, RulesAreDrawnAcrossTheirBoxesWhereTheLayoutPutsThem) {
    const QImage image = RenderImage(FilledPage(), kDpi);
    // Horizontal lines: across the middle of their box; vertical lines: down its middle.
    for (double x : {10.0, 300.0, 710.0})
        EXPECT_TRUE(IsDarkNear(image, x, 114.5)) << "QRShape2 at x " << x;
    for (double y : {80.0, 300.0, 460.0}) {
        EXPECT_TRUE(IsDarkNear(image, 205, y)) << "QRShape4 at y " << y;
        EXPECT_TRUE(IsDarkNear(image, 345, y)) << "QRShape5 at y " << y;
        EXPECT_TRUE(IsDarkNear(image, 348, y)) << "QRShape14 at y " << y;
    }
    // The heading row has no rule left of x = 130.
    EXPECT_FALSE(IsDarkNear(image, 120, 73.5));
    EXPECT_TRUE(IsDarkNear(image, 160, 73.5));
    // Year-star grid: two inner vertical and two inner horizontal lines, dark grey.
    EXPECT_TRUE(IsDarkNear(image, 54.5, 800) && IsDarkNear(image, 76.5, 800));
    EXPECT_TRUE(IsDarkNear(image, 40, 766.5) && IsDarkNear(image, 40, 788.5));
}

TEST_F(Rendering, StretchedSlotsFillTheirBoxAndSizedSlotsTakeTheBitmapsSize) {
    Bitmap("red.bmp", 4, 4, Qt::red);
    Bitmap("blue.bmp", 30, 20, Qt::blue);
    report::Page page = FilledPage();
    const QtPictureFiles files(root_);
    page.LoadPicture("QRImageCanuse1", "RED.BMP", files);
    page.LoadPicture("QRImageCanusenumber1", "blue.bmp", files);
    const QImage image = RenderImage(page, kDpi);
    // QRImageCanuse1 is 164, 551, 16 × 17: red over the whole box.
    for (const auto& [x, y] : {
             std::pair{165.0, 552.0},
             {179.0, 567.0},
             {172.0, 559.0}
    })
        EXPECT_EQ(image.pixelColor(PixelOf(x, y)), QColor(Qt::red)) << x << "," << y;
    // QRImageCanusenumber1 at 166, 573 grows to 30 × 20 from its corner.
    EXPECT_EQ(image.pixelColor(PixelOf(194, 591)), QColor(Qt::blue));
    EXPECT_NE(image.pixelColor(PixelOf(198, 595)), QColor(Qt::blue));
}

// A stage star is opaque: over an ok/no mark it hides the part of the mark beneath it.
TEST_F(Rendering, AnOpaqueStarHidesThePartOfTheMarkBeneathIt) {
    Bitmap("red.bmp", 17, 16, Qt::red);
    report::Page page = FilledPage();
    const QtPictureFiles files(root_);
    page.LoadPicture("QRImageCCyn1", "red.bmp", files);  // 164, 692, 17 × 16
    page.SetCaption("QRLabelStarC1", "");
    EXPECT_EQ(RenderImage(page, kDpi).pixelColor(PixelOf(168, 706)), QColor(Qt::red));
    page.SetCaption("QRLabelStarC1", "*");  // at 165, 691
    const Box star = page.FinalBox(page.Get("QRLabelStarC1"), QtTextMetrics());
    ASSERT_GT(star.width, 4);
    ASSERT_LT(star.width, 13);
    const QImage covered = RenderImage(page, kDpi);
    EXPECT_EQ(covered.pixelColor(PixelOf(166, 706)),
              QColor(Qt::white));  // inside the star's box, off the glyph
    EXPECT_EQ(covered.pixelColor(PixelOf(179, 706)), QColor(Qt::red));  // right of the star's box
}

// The envelope places elements beyond its band on purpose: they are drawn all the same.
TEST_F(Rendering, NothingIsClippedAtTheBandsEdge) {
    Bitmap("red.bmp", 4, 4, Qt::red);
    report::Page envelope(718, 295);
    envelope.AddPicture("QRImageLogoOmenaryCoin", {382, 0, 95, 78}, true);
    envelope.AddShape("QRShapeWarning", {141, 260, 195, 23}, report::ShapeKind::Rectangle,
                      report::Colour::Blue);
    envelope.LoadPicture("QRImageLogoOmenaryCoin", "red.bmp", QtPictureFiles(root_));
    envelope.Move("QRImageLogoOmenaryCoin", 700, 220);      // across the right edge of the band
    envelope.Move("QRShapeWarning", 141 + 539, 264 + 219);  // wholly below the band
    const QImage image = RenderImage(envelope, kDpi);
    EXPECT_EQ(image.pixelColor(PixelOf(705, 250)), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(PixelOf(740, 250)), QColor(Qt::red));  // the sheet ends at 755
    EXPECT_EQ(image.pixelColor(PixelOf(747, 297)), QColor(Qt::red));  // below the band's 295 too
    EXPECT_TRUE(IsDarkNear(image, 680.5, 490));                       // the frame's left side
    EXPECT_TRUE(IsDarkNear(image, 720, 483.5));                       // and its top
}

// The stand-in face at its scale gives every box of the layout room for what the fill puts there.
TEST_F(Rendering, TextsFitTheBoxesTheLayoutGivesThem) {
    const report::Page page = general::GeneralPage();
    const QtTextMetrics metrics;
    auto fontOf = [&](const char* name) { return std::get<report::Text>(page.Get(name).content).font; };
    const struct {
        const char* element;
        const char* caption;
    } contents[] = {
        {"QRLabelaspectperformstatus",       "เป็นทิศแตกสลาย"},
        {"QRLabelaspectperformstatus",  "เป็นทิศอสูร, อสูร"},
        {          "QRLabelyearstar1",                                                "8"},
        {   "QRLabelUniversalElement",                                        "ทอง"},
        {   "QRLabelUniversalElement",                                        "น้ำ"},
        {   "QRLabelmonthstarcurrent",                                                "9"},
        {     "QRLabelnumberyearstar",                            "ดาวปีจร"},
        {                 "QRLabel18",                   "ดาวเดือนจร"},
        {                 "QRLabel21", "เทียงอิกกุ้ยนั้ง"},
        { "QRLabelcodeaspectperform1",                                                "/"},
    };
    for (const auto& c : contents) {
        const Box box = page.Get(c.element).box;
        const Box text = metrics.Measure(fontOf(c.element), c.caption);
        EXPECT_LE(text.width, box.width) << c.element << " " << c.caption;
        EXPECT_LE(text.height, box.height) << c.element << " " << c.caption;
    }
    // Autosize captions on one line of the table stay left of the next column's rule.
    EXPECT_LE(page.Get("QRLabel8").box.x + metrics.Measure(fontOf("QRLabel8"), "ทิศกระทำการ").width, 130);
    EXPECT_LE(
        page.Get("QRLabel1").box.x + metrics.Measure(fontOf("QRLabel1"), page.Caption("QRLabel1")).width,
        718);
    EXPECT_LE(page.Get("QRLabelwarning5").box.x +
                  metrics.Measure(fontOf("QRLabelwarning5"), page.Caption("QRLabelwarning5")).width,
              718);
}

// The stand-in's blanks are as narrow as the designed face's: the envelope's "(     /      )" at 331
// puts its slash between the number pictures at 336 and 356, each 10 wide.
TEST_F(Rendering, BlankPaddedCaptionsKeepTheirShape) {
    const QtTextMetrics metrics;
    const report::Font font{.points = 12};
    const int slash = 331 + metrics.Measure(font, "(     ").width;
    EXPECT_GE(slash, 346);
    EXPECT_LE(slash + metrics.Measure(font, "/").width, 356);
    // Blanks narrow; other characters keep their width.
    EXPECT_EQ(metrics.Measure(font, "ab").width,
              metrics.Measure(font, "a").width + metrics.Measure(font, "b").width);
    EXPECT_LT(metrics.Measure(font, "a b").width, metrics.Measure(font, "anb").width);
}

TEST_F(Rendering, MeasuredBoxesDoNotDependOnTheDevice) {
    const report::Font font{.points = 12};
    const Box a = QtTextMetrics().Measure(font, "ดาวเดือนจร");
    const QFont qfont = PageFont(font);
    EXPECT_EQ(qfont.family(), "Umpush");
    EXPECT_EQ(a.height, QtTextMetrics().Measure(font, "").height);  // an empty caption keeps its line
    EXPECT_EQ(QtTextMetrics().Measure(font, "").width, 0);
    // 12 pt CordiaUPC is drawn 0.63 as large in Umpush: 10.08 units, not rounded to whole units.
    EXPECT_NEAR(qfont.pixelSize() / kTextMagnification, 12 * 0.63 * 96 / 72, 0.1);
}

TEST_F(Rendering, ThePdfIsOneA4PageAndIsWrittenWholeOrNotAtAll) {
    const fs::path pdf = root_ / "general.pdf";
    QString error;
    ASSERT_TRUE(WritePdf(FilledPage(), pdf, &error)) << error.toStdString();
    QFile file(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    EXPECT_TRUE(content.startsWith("%PDF-"));
    const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto boxes = content.count(QStringLiteral("/MediaBox"));
    const QRegularExpressionMatch match = mediaBox.match(content);
    ASSERT_TRUE(match.hasMatch());
    EXPECT_EQ(boxes, 1);
    EXPECT_NEAR(match.captured(1).toDouble(), 595.3, 0.5);
    EXPECT_NEAR(match.captured(2).toDouble(), 841.9, 0.5);
    // Pictures are stored losslessly: no JPEG anywhere in the file.
    EXPECT_TRUE(content.contains(QStringLiteral("/Subtype /Image")));
    EXPECT_FALSE(content.contains(QStringLiteral("/DCTDecode")));

    const fs::path nowhere = root_ / "missing-folder" / "general.pdf";
    EXPECT_FALSE(WritePdf(FilledPage(), nowhere, &error));
    EXPECT_TRUE(error.contains(QString::fromStdString(nowhere.string()))) << error.toStdString();
    EXPECT_FALSE(WritePng(FilledPage(), root_ / "missing-folder" / "general.png", &error));
    EXPECT_FALSE(fs::exists(root_ / "missing-folder"));
}

// The PDF and the PNG are one set: a PNG that cannot be written leaves the PDF that stood before as it
// was; a FIFO at an output path stays a FIFO and its reader gets the page.
TEST_F(Rendering, TheOutputsAreWrittenAsOneSetAndASpecialFileIsWrittenInto) {
    Write(root_ / "keep.pdf", "old");
    QString error;
    EXPECT_FALSE(WritePageFiles(FilledPage(), root_ / "keep.pdf", root_ / "no" / "x.png", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("x.png"))) << error.toStdString();
    EXPECT_EQ(Read(root_ / "keep.pdf"), "old");

    const fs::path fifo = root_ / "page.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Read(fifo); });
    EXPECT_TRUE(WritePageFiles(FilledPage(), root_ / "keep.pdf", fifo, &error)) << error.toStdString();
    reader.join();
    EXPECT_TRUE(received.starts_with("\x89PNG"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(Read(root_ / "keep.pdf").starts_with("%PDF-"));
}

// Every object the cross-reference table lists starts where the table says.
bool CrossReferenceHolds(const QByteArray& pdf) {
    const qsizetype start = pdf.lastIndexOf("startxref\n");
    const qsizetype table = pdf.mid(start + 10).split('\n').front().toLongLong();
    const QList<QByteArray> lines = pdf.mid(table).split('\n');
    if (start < 0 || lines.size() < 3 || lines[0] != "xref") return false;
    const int count = lines[1].split(' ').back().toInt();
    for (int object = 1; object < count && object + 2 < lines.size(); ++object) {
        const QByteArray& entry = lines[object + 2];
        if (entry.endsWith("n ") &&
            !pdf.mid(entry.left(10).toLongLong()).startsWith(QByteArray::number(object) + " 0 obj"))
            return false;
    }
    return count > 1;
}

std::string RunOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r"); pipe != nullptr) {
        char buffer[4096];
        for (std::size_t read = 0; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, read);
        pclose(pipe);
    }
    return out;
}

// The text of one page of the PDF.
std::string PdfPageText(const std::filesystem::path& pdf, int page) {
    const std::string number = std::to_string(page);
    return RunOutput("pdftotext -raw -f " + number + " -l " + number + " " + pdf.string() + " -");
}

std::vector<report::Page> TheThreePages() {
    std::vector<report::Page> pages = {general::GeneralPage(), marriage::MarriagePage(),
                                       coin::EnvelopePage()};
    for (report::Page& page : pages)
        page.LoadDesignPictures(QtPictureFiles(fs::path(OMENARY_DATA_DIR)));
    return pages;
}

// The three pages, one after another into one PDF as a list is written.
QByteArray ListPdf(const std::vector<report::Page>& pages) {
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    PdfPages pdf(out);
    for (const report::Page& page : pages)
        if (!pdf.Draw(page)) return {};
    return pdf.End() ? bytes : QByteArray();
}

// Copying or searching in a viewer gives the text as it reads on the page: every caption of each
// page is found whole in its PDF (sara am in one piece, marks with their consonants, no private-use
// characters, blanks as blanks), alone and as a page of a list.
TEST_F(Rendering, EveryCaptionOfEachPageIsFoundInItsPdfText) {
    const std::vector<report::Page> pages = TheThreePages();
    const QByteArray list = ListPdf(pages);
    EXPECT_TRUE(CrossReferenceHolds(list));
    Write(root_ / "list.pdf", list.toStdString());
    const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const bool inList : {false, true}) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const report::Page& page = pages[i];
            const std::string name = std::to_string(i + 1) + (inList ? " in the list" : " alone");
            if (!inList) {
                const QByteArray pdf = PdfBytes(page);
                EXPECT_TRUE(CrossReferenceHolds(pdf)) << name;
                Write(root_ / "page.pdf", pdf.toStdString());
            }
            const QString read =
                QString::fromStdString(inList ? PdfPageText(root_ / "list.pdf", static_cast<int>(i) + 1)
                                              : PdfText(root_ / "page.pdf"))
                    .replace(blanks, " ");
            ASSERT_FALSE(read.isEmpty()) << name;
            EXPECT_FALSE(read.contains(QRegularExpression(QStringLiteral("[\\x{F700}-\\x{F71F}\\t]"))))
                << name;
            int captions = 0;
            for (const report::Element& element : page.Elements()) {
                const auto* text = std::get_if<report::Text>(&element.content);
                const QString caption =
                    text ? QString::fromStdString(text->caption).replace(blanks, " ").trimmed() : "";
                if (caption.isEmpty()) continue;
                ++captions;
                EXPECT_TRUE(read.contains(caption))
                    << name << " " << element.name << " " << caption.toStdString();
            }
            EXPECT_GT(captions, 20) << name;
        }
    }
}

// The preview keeps every page of a list as a recording; captions go into it as text, which takes a
// fraction of their outlines' room (a list of a thousand envelopes took a gigabyte as outlines).
TEST_F(Rendering, ARecordingOfThePageKeepsItsCaptionsAsText) {
    QPicture recording;
    if (QPainter painter; painter.begin(&recording)) DrawBand(FilledPage(), painter);
    // 78 KB as text, a megabyte as outlines.
    EXPECT_LT(recording.size(), 256 * 1024);
}

// How many text objects the streams of the file mark with what they read.
std::size_t MarkedTexts(const QByteArray& pdf) {
    std::size_t marked = 0;
    const auto xref = pdf::ReadCrossReference(pdf);
    for (qint64 object = 1; xref && object < static_cast<qint64>(xref->offsets.size()); ++object)
        // The stream of this very object, not of one after it.
        if (const auto stream = pdf::DeflatedStream(pdf, *xref, object);
            stream &&
            !pdf.mid(stream->dictionaryAt, stream->dataAt - stream->dictionaryAt).contains("endobj"))
            marked += static_cast<std::size_t>(
                pdf::Inflate(pdf.mid(stream->dataAt, stream->dataLength)).count("/ActualText"));
    return marked;
}

// A file the text layer cannot read, or whose text objects do not match the texts, stays as it was;
// in a list, only the page that does not match.
TEST_F(Rendering, TheTextLayerIsNotAddedToAFileItCannotMatch) {
    const QByteArray pdf = PdfBytes(FilledPage());
    std::vector<TextItem> fewer = TextItems(FilledPage(), true);
    ASSERT_GT(fewer.size(), 50);
    fewer.pop_back();
    for (const QByteArray& input : {QByteArray("%PDF-1.4 not really"), pdf.left(pdf.size() / 2), pdf})
        EXPECT_FALSE(WithActualText(input, fewer));
    EXPECT_FALSE(WithActualText(pdf, {}));

    const std::vector<report::Page> pages = TheThreePages();
    QByteArray drawn;
    {
        QBuffer out(&drawn);
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        PageSequence sequence(writer);
        for (const report::Page& page : pages)
            ASSERT_TRUE(sequence.Draw(page));
        ASSERT_TRUE(sequence.End());
    }
    DocumentTexts texts;
    std::size_t marked = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::vector<TextItem> page = TextItems(pages[i], false);
        if (i == 1) page.pop_back();
        if (i != 1) marked += page.size();
        texts.AddPage(page);
    }
    // The whole file twice: the second copy reads the texts again from the first page.
    for (const QByteArray& input :
         {QByteArray("%PDF-1.4 not really"), drawn.left(drawn.size() / 2), drawn, drawn}) {
        QBuffer in;
        in.setData(input);
        in.open(QIODevice::ReadOnly);
        QByteArray copied;
        QBuffer out(&copied);
        out.open(QIODevice::WriteOnly);
        ASSERT_TRUE(CopyWithTextLayer(in, out, texts));
        if (input != drawn) {
            EXPECT_EQ(copied, input);
            continue;
        }
        EXPECT_TRUE(CrossReferenceHolds(copied));
        EXPECT_EQ(MarkedTexts(copied), marked);
    }
}

// Each picture is stored in the PDF once however often it is drawn, pixel for pixel and where the
// page puts it; a picture with transparency keeps it. Checked with poppler, as a viewer reads the file.
TEST_F(Rendering, ThePdfHoldsEachPictureOncePixelForPixel) {
    auto pattern = [](int width, int height, bool transparent) {
        QImage image(width, height, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y,
                               qRgba(x * 37 % 256, y * 13 % 256, (x * y) % 256, transparent ? x * 6 : 255));
        return image;
    };
    for (const bool transparent : {false, true}) {
        const QImage wide = pattern(40, 20, false);
        const QImage tall = pattern(9, 30, transparent);
        ASSERT_TRUE(wide.save(QString::fromStdString((root_ / "wide.bmp").string()), "BMP"));
        ASSERT_TRUE(tall.save(QString::fromStdString((root_ / "tall.png").string()), "PNG"));
        report::Page page(718, 1047);
        page.AddPicture("a", {10, 10, 40, 20}, true);
        page.AddPicture("b", {100, 10, 9, 30}, true);
        page.AddPicture("c", {200, 300, 80, 40}, true);
        const QtPictureFiles files(root_);
        page.LoadPicture("a", "wide.bmp", files);
        page.LoadPicture("b", "tall.png", files);
        page.LoadPicture("c", "WIDE.BMP", files);
        Write(root_ / "pictures.pdf", PdfBytes(page).toStdString());

        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        const QStringList rows =
            QString::fromStdString(RunOutput("pdfimages -list " + (root_ / "pictures.pdf").string()))
                .split('\n', Qt::SkipEmptyParts)
                .mid(2);
        QStringList drawn, objects;
        for (const QString& row : rows) {
            const QStringList field = row.simplified().split(' ');
            ASSERT_GE(field.size(), 13) << row.toStdString();
            if (field[2] != "image") continue;
            drawn << field[3] + "x" + field[4] + " " + field[8];
            if (!objects.contains(field[10])) objects << field[10];
        }
        EXPECT_EQ(drawn, QStringList({"40x20 image", "9x30 image", "40x20 image"})) << transparent;
        EXPECT_EQ(objects.size(), 2) << transparent;
        EXPECT_EQ(rows.size(), transparent ? 4 : 3) << "a soft mask for the transparent picture";

        const fs::path extracted = root_ / "extracted";
        fs::remove_all(extracted);
        fs::create_directories(extracted);
        RunOutput("pdfimages -png " + (root_ / "pictures.pdf").string() + " " + (extracted / "x").string());
        const QImage first(QString::fromStdString((extracted / "x-000.png").string()));
        const QImage second(QString::fromStdString((extracted / "x-001.png").string()));
        EXPECT_EQ(first.convertToFormat(QImage::Format_RGB32), wide) << transparent;
        EXPECT_EQ(second.convertToFormat(QImage::Format_RGB32), tall.convertToFormat(QImage::Format_RGB32))
            << transparent;
        // Where the page puts them: near the window's drawing of the page, which smooths the pictures
        // (a misplaced picture leaves white, a good hundred grey levels off).
        const QImage sheet = RenderImage(page, kDpi);
        RunOutput("pdftoppm -r 150 -png " + (root_ / "pictures.pdf").string() + " " +
                  (extracted / "sheet").string());
        const QImage read(QString::fromStdString((extracted / "sheet-1.png").string()));
        ASSERT_LE(std::abs(read.height() - sheet.height()), 1);  // A4 in whole pixels, rounded either way
        auto meanGrey = [](const QImage& image, QPoint centre) {
            int sum = 0;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    sum += qGray(image.pixel(centre + QPoint(dx, dy)));
            return sum / 49;
        };
        for (const auto& [x, y] : {
                 std::pair{ 30.0,  20.0},
                 {104.0,  25.0},
                 {240.0, 320.0},
                 {400.0, 400.0}
        })
            EXPECT_LE(std::abs(meanGrey(read, PixelOf(x, y)) - meanGrey(sheet, PixelOf(x, y))), 40)
                << transparent << " " << x << "," << y;
    }
}

// The star's face stands in for one mark only: PDFs draw the mark as its outline, in its place and
// colour, and keep its text (invisible, in the page face) without embedding the star's face.
TEST_F(Rendering, TheStarIsAnOutlineInThePdfAndItsTextIsKept) {
    report::Page page = FilledPage();
    auto starsInText = [&] {
        const QByteArray pdf = PdfBytes(page);
        EXPECT_FALSE(pdf.contains("DejaVu"));
        // Nothing is transparent: print filters treat a page with transparency differently.
        EXPECT_FALSE(pdf.contains("/ca 0"));
        Write(root_ / "star.pdf", pdf.toStdString());
        const std::string text = PdfText(root_ / "star.pdf");
        return std::count(text.begin(), text.end(), '*');
    };
    page.SetCaption("QRLabelStarC1", "");
    const auto without = starsInText();
    page.SetCaption("QRLabelStarC1", "*");
    EXPECT_EQ(starsInText(), without + 1);
    const Box star = page.FinalBox(page.Get("QRLabelStarC1"), QtTextMetrics());
    RunOutput("pdftoppm -r 150 -png " + (root_ / "star.pdf").string() + " " + (root_ / "star").string());
    const QImage read(QString::fromStdString((root_ / "star-1.png").string()));
    const QImage drawn = RenderImage(page, kDpi);
    auto count = [&](const QImage& image, auto colourMatches) {
        int found = 0;
        for (int y = PixelOf(0, star.y).y(); y <= PixelOf(0, star.y + star.height).y(); ++y)
            for (int x = PixelOf(star.x, 0).x(); x <= PixelOf(star.x + star.width, 0).x(); ++x)
                found += colourMatches(image.pixelColor(x, y)) ? 1 : 0;
        return found;
    };
    auto fuchsia = [](QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() > 200; };
    auto dark = [](QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; };
    EXPECT_GT(count(drawn, fuchsia), 20);
    EXPECT_NEAR(count(read, fuchsia), count(drawn, fuchsia), count(drawn, fuchsia) / 4);
    EXPECT_EQ(count(read, dark), 0);  // the text's copy is not seen
}

TEST_F(Rendering, ThePngFileIs150DotsPerInch) {
    const fs::path png = root_ / "general.png";
    QString error;
    ASSERT_TRUE(WritePng(FilledPage(), png, &error)) << error.toStdString();
    const QImage image(QString::fromStdString(png.string()));
    EXPECT_EQ(image.size(), QSize(1240, 1754));
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 150, 0.5);
}

}  // namespace
}  // namespace omenary::qt
