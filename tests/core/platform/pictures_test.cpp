#include "core/platform/pictures.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace omenary::platform {
namespace {

namespace fs = std::filesystem;

class PictureFolder : public omenary::testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        fs::create_directories(root_ / "sub");
    }
    fs::path Write(const fs::path& name, const std::vector<unsigned char>& bytes) {
        std::ofstream(root_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return root_ / name;
    }
};

void Put(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.at(at + static_cast<std::size_t>(i)) = static_cast<unsigned char>(value >> (8 * i));
}

// A Windows bitmap with a 40-byte header: rows of width × bits padded to four bytes.
std::vector<unsigned char> Bitmap(int width, int height, int bits, std::uint32_t compression = 0,
                                  std::uint32_t imageSize = 0) {
    const std::size_t row = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    const std::size_t data = compression == 0 ? row * static_cast<std::size_t>(height) : imageSize;
    std::vector<unsigned char> bytes(54 + data, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
    Put(bytes, 10, 54, 4);
    Put(bytes, 14, 40, 4);
    Put(bytes, 18, static_cast<std::uint32_t>(width), 4);
    Put(bytes, 22, static_cast<std::uint32_t>(height), 4);
    Put(bytes, 26, 1, 2);
    Put(bytes, 28, static_cast<std::uint32_t>(bits), 2);
    Put(bytes, 30, compression, 4);
    Put(bytes, 34, imageSize, 4);
    return bytes;
}

TEST_F(PictureFolder, TheThreeSpellingsOfTheBlankPictureAreOneFile) {
    Write("OS0.bmp", Bitmap(17, 17, 24));
    for (const char* name : {"os0.bmp", "OS0.BMP", "OS0.bmp"}) {
        const auto found = FindPicture(root_, name);
        ASSERT_TRUE(found) << name;
        EXPECT_EQ(*found, root_ / "OS0.bmp") << name;
    }
    EXPECT_FALSE(FindPicture(root_, "OS00.bmp"));
    EXPECT_FALSE(FindPicture(root_, ""));
}

TEST_F(PictureFolder, RelativeAndAbsoluteNamesMatchTheFileNameIgnoringCase) {
    Write("sub/Logo.BMP", Bitmap(4, 4, 24));
    EXPECT_EQ(FindPicture(root_, "sub/logo.bmp"), root_ / "sub/Logo.BMP");
    EXPECT_EQ(FindPicture("/nowhere", (root_ / "sub/LOGO.bmp").string()), root_ / "sub/Logo.BMP");
    EXPECT_FALSE(FindPicture(root_, "SUB/logo.bmp"));  // folders are taken as written
    EXPECT_FALSE(FindPicture(root_, "sub/"));
}

TEST_F(PictureFolder, ABitmapIsCompleteOnlyWhenItsPixelDataIsAllThere) {
    // A one-bit row of 17 pixels takes 3 bytes, padded to 4; run-length data says its own length.
    const struct {
        const char* name;
        int width, height, bits;
        std::uint32_t compression, imageSize;
        std::size_t cut;  // bytes removed from the end
        bool complete;
    } cases[] = {
        {    "whole24.bmp", 17, 17, 24, 0,  0,    0,  true},
        {"lastbytecut.bmp", 17, 17, 24, 0,  0,    1, false},
        {    "halfcut.bmp", 64, 68, 24, 0,  0, 6000, false},
        { "headeronly.bmp", 16, 16, 32, 0,  0, 1024, false},
        {   "mono1bit.bmp", 17, 16,  1, 0,  0,    0,  true},
        {  "rle8whole.bmp",  8,  8,  8, 1, 40,    0,  true},
        {    "rle8cut.bmp",  8,  8,  8, 1, 40,   10, false},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> bytes = Bitmap(c.width, c.height, c.bits, c.compression, c.imageSize);
        bytes.resize(bytes.size() - c.cut);
        EXPECT_EQ(BitmapDataComplete(Write(c.name, bytes)), c.complete) << c.name;
    }
    // Header sizes at the edges of 32 bits: no arithmetic on them may overflow or claim completeness.
    const struct {
        std::uint32_t width, height;
        bool complete;
    } extremes[] = {
        {0x80000000U,           1, false},
        {          1, 0x80000000U, false},
        {0xFFFFFFFFU, 0x7FFFFFFFU, false},
        {0xFFFFFFFFU,           1,  true}, // width -1: one pixel, whose row is there
        {          0,           0,  true},
    };
    for (const auto& e : extremes) {
        std::vector<unsigned char> bytes = Bitmap(1, 1, 24);
        Put(bytes, 18, e.width, 4);
        Put(bytes, 22, e.height, 4);
        EXPECT_EQ(BitmapDataComplete(Write("extreme.bmp", bytes)), e.complete)
            << e.width << " x " << e.height;
    }
    // Not a bitmap at all, or too short to say: left to the decoder.
    EXPECT_TRUE(BitmapDataComplete(Write("text.bmp", {'h', 'e', 'l', 'l', 'o'})));
    EXPECT_FALSE(BitmapDataComplete(Write("stub.bmp", {'B', 'M', 0, 0})));
}

// Only whole, uncompressed 24-bit bitmaps are read directly; everything else is left to the decoder.
TEST(PlainBitmaps, OnlyWholeUncompressed24BitBitmapsAreReadDirectly) {
    auto text = [](const std::vector<unsigned char>& bytes) {
        return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    };
    const std::vector<unsigned char> plain = Bitmap(17, 5, 24);
    const auto layout = PlainBitmapLayout(text(plain));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->width, 17);
    EXPECT_EQ(layout->height, 5);
    EXPECT_FALSE(layout->topDown);
    EXPECT_EQ(layout->dataStart, 54U);
    EXPECT_EQ(layout->rowBytes, 52U);  // 51 bytes of pixels, padded to four

    std::vector<unsigned char> topDown = plain;
    Put(topDown, 22, static_cast<std::uint32_t>(-5), 4);
    ASSERT_TRUE(PlainBitmapLayout(text(topDown)));
    EXPECT_TRUE(PlainBitmapLayout(text(topDown))->topDown);
    EXPECT_EQ(PlainBitmapLayout(text(topDown))->height, 5);

    const struct {
        const char* what;
        std::size_t at;
        std::uint32_t value;
        int size;
    } changes[] = {
        {  "eight bits a pixel", 28,           8, 2},
        {          "compressed", 30,           1, 4},
        {   "an unknown header", 14,          12, 4},
        {          "two planes", 26,           2, 2},
        {          "zero width", 18,           0, 4},
        {         "zero height", 22,           0, 4},
        { "pixels past the end", 10,         300, 4},
        {"pixels in the header", 10,          20, 4},
        {   "the lowest height", 22, 0x80000000U, 4},
    };
    for (const auto& c : changes) {
        std::vector<unsigned char> bytes = plain;
        Put(bytes, c.at, c.value, c.size);
        EXPECT_FALSE(PlainBitmapLayout(text(bytes))) << c.what;
    }
    std::vector<unsigned char> cut = plain;
    cut.pop_back();
    EXPECT_FALSE(PlainBitmapLayout(text(cut)));
    EXPECT_FALSE(PlainBitmapLayout("BM"));
    EXPECT_FALSE(PlainBitmapLayout(""));
}

}  // namespace
}  // namespace omenary::platform
