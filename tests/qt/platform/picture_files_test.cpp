#include "qt/platform/picture_files.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

#include <QImage>
#include <QImageReader>
#include <cstdlib>
#include <fstream>

#include "core/report/page.h"

namespace omenary::qt {
namespace {

namespace fs = std::filesystem;
using platform::PictureStatus;

class QtPictures : public omenary::testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        QImage image(17, 17, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(QString::fromStdString((root_ / "OS0.bmp").string()), "BMP"));
    }
};

TEST_F(QtPictures, TheBlankPictureLoadsUnderEachOfItsSpellings) {
    const QtPictureFiles files(root_);
    for (const char* name : {"os0.bmp", "OS0.BMP", "OS0.bmp"}) {
        const platform::PictureLookup found = files.Load(name);
        EXPECT_EQ(found.status, PictureStatus::Loaded) << name;
        EXPECT_EQ(found.file, root_ / "OS0.bmp") << name;
        EXPECT_EQ(found.width, 17);
        EXPECT_EQ(found.height, 17);
    }
    EXPECT_EQ(files.Load("BS.BMP").status, PictureStatus::Missing);
}

// A folder copied from a Windows disk keeps its name in TIS-620 bytes, which are no UTF-8.
TEST_F(QtPictures, PicturesInAFolderNamedInThaiWindowsBytesLoad) {
    const fs::path folder = root_ / "\xbb\xa1\xb7\xd4";
    fs::create_directories(folder);
    fs::copy_file(root_ / "OS0.bmp", folder / "OS0.bmp");
    EXPECT_EQ(QtPictureFiles(folder).Load("os0.bmp").status, PictureStatus::Loaded);
    EXPECT_EQ(DecodePicture(folder / "OS0.bmp").pixel(0, 0), qRgb(255, 255, 255));
}

// Qt's own bitmap reader fills a truncated file up with black; such a file must not load.
TEST_F(QtPictures, TruncatedBitmapsAndTextFilesDoNotDecode) {
    const fs::path whole = root_ / "OS0.bmp";
    fs::copy_file(whole, root_ / "cut.bmp");
    fs::resize_file(root_ / "cut.bmp", fs::file_size(whole) - 40);
    std::ofstream(root_ / "note.BMP") << "this is text, not a picture\n";
    std::ofstream(root_ / "empty.bmp");
    const QtPictureFiles files(root_);
    for (const char* name : {"cut.bmp", "NOTE.bmp", "empty.bmp"}) {
        const platform::PictureLookup found = files.Load(name);
        EXPECT_EQ(found.status, PictureStatus::Undecodable) << name;
        EXPECT_FALSE(found.file.empty()) << name;
        EXPECT_TRUE(DecodePicture(found.file).isNull()) << name;
    }
}

// The content decides, not the suffix: pictures of other formats saved under a bitmap's name load.
TEST_F(QtPictures, PicturesOfOtherFormatsUnderABitmapsNameLoad) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (const char* format : {"PNG", "JPEG"}) {
        const fs::path file = root_ / (std::string(format) + ".bmp");
        ASSERT_TRUE(image.save(QString::fromStdString(file.string()), format)) << format;
        const platform::PictureLookup found = QtPictureFiles(root_).Load(file.filename().string());
        EXPECT_EQ(found.status, PictureStatus::Loaded) << format;
        EXPECT_EQ(found.width, 20) << format;
        EXPECT_EQ(found.height, 10) << format;
    }
}

// Plain 24-bit bitmaps are read directly: each gives what Qt's own reader gives, for every shipped
// picture and for rows of every padding, stored from the bottom or from the top.
TEST_F(QtPictures, PlainBitmapsReadAsQtsReaderReadsThem) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(OMENARY_DATA_DIR))
        if (QString::fromStdString(entry.path().extension().string()).compare(".bmp", Qt::CaseInsensitive) ==
            0)
            files.push_back(entry.path());
    ASSERT_GT(files.size(), 50U);
    for (int width = 1; width <= 5; ++width) {
        QImage image(width, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(50 * x, 90 * y, 255 - 40 * x));
        image.setDotsPerMeterX(2835);
        const fs::path bottomUp = root_ / ("rows" + std::to_string(width) + ".bmp");
        ASSERT_TRUE(image.save(QString::fromStdString(bottomUp.string()), "BMP"));
        // The same picture stored from the top: a negative height and the rows the other way round.
        std::string bytes = Read(bottomUp);
        const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + 3 * row);
        bytes.replace(22, 4, std::string("\xFD\xFF\xFF\xFF", 4));
        bytes = bytes.substr(0, 54) + bytes.substr(54 + 2 * row, row) + bytes.substr(54 + row, row) +
                bytes.substr(54, row);
        Write(root_ / ("top" + std::to_string(width) + ".bmp"), bytes);
        files.push_back(bottomUp);
        files.push_back(root_ / ("top" + std::to_string(width) + ".bmp"));
    }
    for (const fs::path& file : files) {
        ASSERT_TRUE(platform::PlainBitmapLayout(Read(file))) << file;
        const QImage expected = QImageReader(QString::fromStdString(file.string()), "bmp").read();
        ASSERT_FALSE(expected.isNull()) << file;
        const QImage read = DecodePicture(file);
        EXPECT_EQ(read, expected) << file;
        EXPECT_EQ(read.dotsPerMeterX(), expected.dotsPerMeterX()) << file;
        EXPECT_EQ(read.dotsPerMeterY(), expected.dotsPerMeterY()) << file;
    }
}

// What the fill's entry point shows for a corrupt bitmap: one message naming the file.
TEST_F(QtPictures, ACorruptBitmapGivesItsMessage) {
    std::ofstream(root_ / "BS7.bmp") << "BM not really";
    const QtPictureFiles files(root_);
    report::Page page(718, 1047);
    page.AddPicture("QRImageCanuse1", {164, 551, 16, 17}, true);
    platform::RecordedMessages messages;
    EXPECT_FALSE(
        report::FillOrReport(messages, [&] { page.LoadPicture("QRImageCanuse1", "BS7.BMP", files); }));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"เปิดไฟล์รูปภาพ \"BS7.BMP\" ไม่ได้ ไฟล์เสียหรือไม่ใช่รูปภาพ"});
}

// Every picture the program names is shipped in data/, decodes, and has the size its slots expect:
// stretched-only pictures in the proportions of their slot, sized-to-bitmap pictures at the slot's size.
// A picture no slot can use is refused like a corrupt one, at once and without decoding it; an
// unchanged file is decoded once, a changed one again.
TEST_F(QtPictures, OversizedPicturesAreRefusedAndEachFileIsDecodedOnce) {
    QImage huge(4000, 5000, QImage::Format_Mono);
    huge.fill(0);
    ASSERT_TRUE(huge.save(QString::fromStdString((root_ / "big.bmp").string()), "BMP"));
    EXPECT_EQ(QtPictureFiles(root_).Load("big.bmp").status, PictureStatus::Undecodable);

    const fs::path blank = root_ / "OS0.bmp";
    const QImage first = DecodePicture(blank);
    EXPECT_EQ(DecodePicture(blank).cacheKey(), first.cacheKey());
    QImage wider(18, 17, QImage::Format_RGB32);
    wider.fill(Qt::black);
    ASSERT_TRUE(wider.save(QString::fromStdString(blank.string()), "BMP"));
    EXPECT_EQ(DecodePicture(blank).width(), 18);
}

TEST(ShippedPictures, EveryNamedPictureIsThereAndFitsItsSlots) {
    const QtPictureFiles files(fs::path(OMENARY_DATA_DIR));
    struct Expect {
        std::string name;
        int width, height;
    };
    std::vector<Expect> expected = {
        {      "os0.bmp",  17,  17},
        {      "BS0.bmp",  64,  68},
        {      "C45.bmp",  64,  68},
        {     "C135.bmp",  64,  68},
        {     "C225.bmp",  64,  68},
        {     "C315.bmp",  64,  68},
        {   "ground.bmp",  26,  26},
        {     "gold.bmp",  26,  26},
        {    "water.bmp",  26,  26},
        {     "wood.bmp",  26,  26},
        {     "fire.bmp",  26,  26},
        {       "ok.BMP",  68,  64},
        {       "no.BMP",  68,  64},
        {     "logo.bmp", 109,  90},
        {   "emblem.bmp", 380, 312},
        {"titlelogo.bmp",  70,  70},
        {    "check.bmp",  17,  17},
        {    "cross.bmp",  17,  17},
    };
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        expected.push_back({"BS" + n + ".BMP", 64, 68});
        expected.push_back({"B" + n + ".BMP", 26, 26});
        expected.push_back({"N" + n + ".BMP", 17, 17});
    }
    for (int i = 1; i <= 10; ++i) {
        expected.push_back({"OS" + std::to_string(i) + ".bmp", 64, 68});
        expected.push_back({"O" + std::to_string(i) + ".BMP", 26, 26});
    }
    for (int i = 1; i <= 4; ++i)
        expected.push_back({"portrait" + std::to_string(i) + ".bmp", 58, 62});
    for (const Expect& e : expected) {
        const platform::PictureLookup found = files.Load(e.name);
        EXPECT_EQ(found.status, PictureStatus::Loaded) << e.name;
        EXPECT_EQ(found.width, e.width) << e.name;
        EXPECT_EQ(found.height, e.height) << e.name;
    }
}

// Every number picture starts its ink at the same distance from its left edge: "/10" is spaced like
// "/3" on the pages.
TEST(ShippedPictures, NumberPicturesShareTheirLeftMargin) {
    std::vector<int> margins;
    for (int n = 1; n <= 12; ++n) {
        const QImage image = DecodePicture(fs::path(OMENARY_DATA_DIR) / ("N" + std::to_string(n) + ".bmp"));
        ASSERT_FALSE(image.isNull()) << n;
        int first = image.width();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < first; ++x)
                if (qGray(image.pixel(x, y)) < 128) first = x;
        margins.push_back(first);
    }
    for (std::size_t i = 0; i < margins.size(); ++i)
        EXPECT_NEAR(margins[i], margins.front(), 1) << "N" << i + 1;
}

}  // namespace
}  // namespace omenary::qt
