// The printed pages as data: named texts, picture slots and shapes on one white band, in layout
// units of 1/96 inch from the band's top-left corner. The three report pages are built from this
// model once at start and filled, previewed or printed on demand; nothing here draws.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "core/platform/clock.h"
#include "core/platform/messages.h"
#include "core/platform/pictures.h"

namespace omenary::report {

// The colours the pages use, by the names the original design gave them.
enum class Colour : std::uint8_t { Black, White, Red, Blue, Fuchsia, Maroon, DarkGray, Green, Navy, Gray };

struct ColourInfo {
    Colour colour;
    std::string_view name;  // lower-case English, as the CLI's JSON writes it
    std::uint32_t rgb;      // 0xRRGGBB
};

// One row per colour; dark grey is the system's dark three-dimensional shadow.
inline constexpr ColourInfo kColours[] = {
    {   Colour::Black,    "black", 0x000000},
    {   Colour::White,    "white", 0xFFFFFF},
    {     Colour::Red,      "red", 0xFF0000},
    {    Colour::Blue,     "blue", 0x0000FF},
    { Colour::Fuchsia,  "fuchsia", 0xFF00FF},
    {  Colour::Maroon,   "maroon", 0x800000},
    {Colour::DarkGray, "darkgray", 0x808080},
    {   Colour::Green,    "green", 0x008000},
    {    Colour::Navy,     "navy", 0x000080},
    {    Colour::Gray,     "gray", 0xA0A0A0},
};

std::string_view ColourName(Colour colour);
std::uint32_t ColourRgb(Colour colour);

struct Font {
    std::string face = "CordiaUPC";
    double points = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Colour colour = Colour::Black;
    friend bool operator==(const Font&, const Font&) = default;
};

// Left, top, width, height in layout units.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

enum class Alignment { Left, Centre, Right };

struct Text {
    std::string caption;
    Font font;
    // An autosize text is left-aligned at its position and as wide and high as its caption; a fixed
    // one keeps its box and aligns the caption in it.
    bool autosize = true;
    Alignment alignment = Alignment::Left;
    // An opaque text paints white behind its caption before drawing it.
    bool transparent = false;
};

struct Picture {
    // A stretched slot scales the bitmap to its box; otherwise the slot takes the bitmap's own size,
    // its top-left corner staying where it is.
    bool stretch = true;
    std::string file;  // the name exactly as the caller built it ("BS7.BMP"); empty: never loaded
    std::filesystem::path resolved;  // the file that was found for it
    int bitmapWidth = 0;             // the bitmap's size in pixels, once loaded
    int bitmapHeight = 0;
    std::string designFile;  // a bitmap stored with the page (the logo), loaded with the page
};

enum class ShapeKind {
    Rectangle,
    Circle,
    HorizontalLine,  // one line across the middle of the box
    VerticalLine,    // one line down the middle of the box
    LeftAndRight,    // the box's two vertical sides
    TopAndBottom,    // the box's two horizontal sides
};

struct Shape {
    ShapeKind kind = ShapeKind::Rectangle;
    int penWidth = 1;
    Colour pen = Colour::Black;
};

enum class ElementKind { Text, Picture, Shape };

struct Element {
    std::string name;
    Box box;
    std::variant<Text, Picture, Shape> content;

    ElementKind Kind() const { return static_cast<ElementKind>(content.index()); }
};

std::string_view KindName(ElementKind kind);  // "text", "picture", "shape"

// Thrown by Page::LoadPicture when a file is missing or does not decode; the entry point of the fill
// that asked for it catches it (FillOrReport), so one failed load stops the whole fill.
class PictureNotLoaded : public std::runtime_error {
  public:
    PictureNotLoaded(std::string file, platform::PictureStatus status, std::filesystem::path folder);
    const std::string& File() const { return file_; }
    platform::PictureStatus Status() const { return status_; }

  private:
    std::string file_;
    platform::PictureStatus status_;
};

// The text of the message box for a picture that could not be loaded, naming the file.
std::string PictureNotLoadedMessage(std::string_view file, platform::PictureStatus status,
                                    const std::filesystem::path& folder);

// A picture a tab shows: true when the file loads; otherwise its message is shown as an error and the
// event that asked for it stops.
bool PictureLoadsOrReport(const platform::PictureFiles& pictures, platform::Messages& messages,
                          std::string_view file);

// How large an autosize caption is drawn; the renderer's font measurement, so that the boxes the
// page reports are the boxes that are drawn.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    // Width and height of the caption in layout units (the height of one line for an empty caption).
    virtual Box Measure(const Font& font, std::string_view caption) const = 0;
};

// A4 portrait with 10 mm margins all round; the band fills the printable area from its top-left.
struct PaperLayout {
    double widthMm = 210;
    double heightMm = 297;
    double marginMm = 10;
};

inline constexpr double kLayoutUnitsPerInch = 96;

// The maker's credit in the footer of every page (its wording is ours).
inline constexpr std::string_view kMakersCredit = "พิมพ์ด้วยโปรแกรม MORVIT - Omenary";
inline constexpr std::string_view kMakersNote = "ฤกษ์ยามจีน สำนักไทย  ·  คำนวณด้วยระบบธาตุแท้ / ธาตุจักรวาล";
inline constexpr double kMmPerInch = 25.4;

class Page {
  public:
    Page(int bandWidth, int bandHeight, PaperLayout paper = {});

    int BandWidth() const { return bandWidth_; }
    int BandHeight() const { return bandHeight_; }
    const PaperLayout& Paper() const { return paper_; }

    // Elements are drawn in the order they were added. A name is added once; adding it again is a
    // programming error (std::logic_error).
    Element& Add(Element element);
    Element& AddText(std::string name, Box box, std::string caption, Font font, bool transparent = false);
    Element& AddFixedText(std::string name, Box box, std::string caption, Font font, Alignment alignment,
                          bool transparent = false);
    Element& AddPicture(std::string name, Box box, bool stretch, std::string designFile = {});
    Element& AddShape(std::string name, Box box, ShapeKind kind, Colour pen = Colour::Black,
                      int penWidth = 1);

    // Every operation below names an element that exists; an unknown name is a programming error
    // (std::out_of_range), and so is a name of the wrong kind (std::bad_variant_access).
    bool Has(std::string_view name) const { return index_.contains(std::string(name)); }
    const Element& Get(std::string_view name) const;
    const std::vector<Element>& Elements() const { return elements_; }

    void SetCaption(std::string_view name, std::string caption);
    const std::string& Caption(std::string_view name) const;
    void SetFontColour(std::string_view name, Colour colour);
    Colour FontColour(std::string_view name) const;
    void Move(std::string_view name, int x, int y);
    // Loads the slot from the file name as the caller built it; throws PictureNotLoaded when the file
    // is missing or does not decode, leaving the slot as it was.
    void LoadPicture(std::string_view name, std::string_view file, const platform::PictureFiles& files);
    const Picture& PictureOf(std::string_view name) const;
    // Loads every bitmap stored with the page (its design files); throws as LoadPicture does.
    void LoadDesignPictures(const platform::PictureFiles& files);

    // The box the element takes when drawn: autosize texts measured, sized-to-picture slots at their
    // bitmap's size once loaded, everything else its own box.
    Box FinalBox(const Element& element, const TextMetrics& metrics) const;

  private:
    Element& At(std::string_view name);

    int bandWidth_;
    int bandHeight_;
    PaperLayout paper_;
    std::vector<Element> elements_;
    std::unordered_map<std::string, std::size_t> index_;
};

// The date line of a page, "วันที่ 05/03/2567": today with its year as a BE year.
std::string DateLine(const platform::Date& today);

// Runs a fill; a picture that cannot be loaded stops it and is reported once as an error message.
// True when the fill ran to its end, so that the caller previews or prints only then.
bool FillOrReport(platform::Messages& messages, const std::function<void()>& fill);

}  // namespace omenary::report
