#include "core/coin/envelope_page.h"

#include <string>

namespace omenary::coin {

namespace {

using report::Box;
using report::Colour;
using report::Font;
using report::ShapeKind;

// One row per placement: envelope upright ("แนวตั้ง"), in the middle of the tray ("กึ่งกลาง").
struct Placement {
    bool landscape;
    bool centre;
    BasePoint base;
};
constexpr Placement kPlacements[] = {
    {false, false,     {3, 4}},
    {false,  true,   {102, 4}},
    { true, false,   {542, 4}},
    { true,  true, {542, 223}},
};

enum class Kind { Text, TransparentText, Warning, Picture, Line, Frame };

// Name, offset from (L, T), size for pictures and shapes, kind, design caption or stored bitmap.
struct Offset {
    std::string_view name;
    int dx;
    int dy;
    int width;
    int height;
    Kind kind;
    std::string_view content;
};
// The emblem first, so that a long caption beside it is painted over it and stays readable.
constexpr Offset kElements[] = {
    {"QRImageLogoOmenaryCoin", 382,  -3,  95, 78,         Kind::Picture,                                                                                                    kEmblemFile},
    {          "QRLabelLine1",   0,   0,   0,  0,            Kind::Text,                                                                                                           "1."},
    {        "QRImageRasiBon", 289,   1,  17, 16,         Kind::Picture,                                                                                                             ""},
    {       "QRImageRasiLang", 308,   1,  17, 16,         Kind::Picture,                                                                                                             ""},
    {     "QRLabelCoinNumber", 331,  -2,   0,  0,            Kind::Text,                                                                                               "(     /      )"},
    {  "QRImageRasiBonNumber", 336,   1,  10, 16,         Kind::Picture,                                                                                                             ""},
    { "QRImageRasiLangNumber", 356,   1,  10, 16,         Kind::Picture,                                                                                                             ""},
    {          "QRLabelLine2",   0,  22,   0,  0,            Kind::Text,                                                                                                           "2."},
    {          "QRLabelLine3",   0,  44,   0,  0,            Kind::Text,                                                                                                           "3."},
    {  "QRLabelOmenaryCoinIs",  11,  44,   0,  0,            Kind::Text,                                                  "ฤกษ์ที่มอบ คือ วันที่"},
    {          "QRLabelLine4", 104,  44,   0,  0,            Kind::Text,                                                                                                           "4."},
    {      "QRLabelLineTime4", 223,  44,   0,  0,            Kind::Text,                                                                                                 "เวลา"},
    {          "QRLabelLine5", 104,  66,   0,  0,            Kind::Text,                                                                                                           "5."},
    {      "QRLabelLineTime5", 223,  66,   0,  0,            Kind::Text,                                                                                                 "เวลา"},
    {          "QRLabelLine6", 104,  88,   0,  0,            Kind::Text,                                                                                                           "6."},
    {      "QRLabelLineTime6", 223,  88,   0,  0,            Kind::Text,                                                                                                 "เวลา"},
    {          "QRLabelLine7", 104, 110,   0,  0,            Kind::Text,                                                                                                           "7."},
    {      "QRLabelLineTime7", 223, 110,   0,  0,            Kind::Text,                                                                                                 "เวลา"},
    {           "QRLabeljud1", 302,  88,   0,  0,            Kind::Text,                                                                                                            ","},
    {          "QRLabelLine8", 310,  88,   0,  0,            Kind::Text,                                                                                                           "8."},
    {      "QRLabelLineTime8", 429,  88,   0,  0,            Kind::Text,                                                                                                 "เวลา"},
    {           "QRLabeljud2", 302, 110,   0,  0,            Kind::Text,                                                                                                            ","},
    {          "QRLabelLine9", 310, 110,   0,  0,            Kind::Text,                                                                                                           "9."},
    {      "QRLabelLineTime9", 429, 110,   0,  0,            Kind::Text,                                                                                                 "เวลา"},
    {         "QRLabelLine10",   0, 134,   0,  0,            Kind::Text,                                                                                                          "10."},
    {         "QRLabelLine11",   0, 156,   0,  0,            Kind::Text,                                                                                                          "11."},
    {         "QRLabelLine12",   0, 183,   0,  0,            Kind::Text,                                                                                                          "12."},
    {         "QRLabelLine13",   0, 205,   0,  0,            Kind::Text,                                                                                                          "13."},
    {          "QRShapeline1",   0, 233, 484,  5,            Kind::Line,                                                                                                             ""},
    {       "QRLabelLineNote",   0, 242,   0,  0, Kind::TransparentText,                                                                                          report::kMakersCredit},
    {        "QRShapeWarning", 141, 264, 195, 23,           Kind::Frame,                                                                                                             ""},
    {        "QRLabelWarning", 145, 266,   0,  0,         Kind::Warning, "ห้ามผู้รับจับเหรียญก่อนถึงฤกษ์รับมอบ"},
};

}  // namespace

BasePoint EnvelopeBasePoint(const PageOptions& options) {
    for (const Placement& p : kPlacements)
        if (p.landscape == options.CheckBoxLandscape && p.centre == options.CheckBoxCenterOnPage)
            return p.base;
    return kPlacements[0].base;
}

report::Page EnvelopePage() {
    report::Page page(kEnvelopeBandWidth, kEnvelopeBandHeight);
    const BasePoint base = kPlacements[0].base;
    for (const Offset& e : kElements) {
        const Box box{base.L + e.dx, base.T + e.dy, e.width, e.height};
        const std::string name(e.name), content(e.content);
        switch (e.kind) {
            case Kind::Text:
                page.AddText(name, box, content, Font{});
                break;
            case Kind::TransparentText:
                page.AddText(name, box, content, Font{}, true);
                break;
            case Kind::Warning:
                page.AddText(name, box, content, Font{.bold = true, .colour = Colour::Blue}, true);
                break;
            case Kind::Picture:
                page.AddPicture(name, box, true, content);
                break;
            case Kind::Line:
                page.AddShape(name, box, ShapeKind::HorizontalLine);
                break;
            case Kind::Frame:
                page.AddShape(name, box, ShapeKind::Rectangle, Colour::Blue);
                break;
        }
    }
    return page;
}

void PlaceEnvelope(report::Page& page, BasePoint base) {
    for (const Offset& e : kElements)
        page.Move(e.name, base.L + e.dx, base.T + e.dy);
}

}  // namespace omenary::coin
