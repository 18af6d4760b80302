#include "core/report/page.h"

#include <algorithm>
#include <utility>

#include "core/common/text.h"

namespace omenary::report {

namespace {

const ColourInfo& InfoOf(Colour colour) {
    return *std::find_if(std::begin(kColours), std::end(kColours),
                         [colour](const ColourInfo& info) { return info.colour == colour; });
}

}  // namespace

std::string_view ColourName(Colour colour) {
    return InfoOf(colour).name;
}
std::uint32_t ColourRgb(Colour colour) {
    return InfoOf(colour).rgb;
}

std::string_view KindName(ElementKind kind) {
    constexpr std::string_view kNames[] = {"text", "picture", "shape"};
    return kNames[static_cast<int>(kind)];
}

std::string PictureNotLoadedMessage(std::string_view file, platform::PictureStatus status,
                                    const std::filesystem::path& folder) {
    const std::string quoted = "\"" + std::string(file) + "\"";
    if (status == platform::PictureStatus::Missing)
        return "ไม่พบไฟล์รูปภาพ " + quoted + " ในโฟลเดอร์ " + folder.string();
    return "เปิดไฟล์รูปภาพ " + quoted + " ไม่ได้ ไฟล์เสียหรือไม่ใช่รูปภาพ";
}

bool PictureLoadsOrReport(const platform::PictureFiles& pictures, platform::Messages& messages,
                          std::string_view file) {
    const platform::PictureLookup found = pictures.Load(file);
    if (found.status == platform::PictureStatus::Loaded) return true;
    messages.Show(platform::MessageIcon::Error,
                  PictureNotLoadedMessage(file, found.status, pictures.Folder()));
    return false;
}

PictureNotLoaded::PictureNotLoaded(std::string file, platform::PictureStatus status,
                                   std::filesystem::path folder)
    : std::runtime_error(PictureNotLoadedMessage(file, status, folder)),
      file_(std::move(file)),
      status_(status) {}

Page::Page(int bandWidth, int bandHeight, PaperLayout paper)
    : bandWidth_(bandWidth), bandHeight_(bandHeight), paper_(paper) {}

Element& Page::Add(Element element) {
    if (index_.contains(element.name)) throw std::logic_error("page element added twice: " + element.name);
    index_.emplace(element.name, elements_.size());
    elements_.push_back(std::move(element));
    return elements_.back();
}

Element& Page::AddText(std::string name, Box box, std::string caption, Font font, bool transparent) {
    return Add({
        std::move(name), box, Text{std::move(caption), std::move(font), true, Alignment::Left, transparent}
    });
}

Element& Page::AddFixedText(std::string name, Box box, std::string caption, Font font, Alignment alignment,
                            bool transparent) {
    return Add({
        std::move(name), box, Text{std::move(caption), std::move(font), false, alignment, transparent}
    });
}

Element& Page::AddPicture(std::string name, Box box, bool stretch, std::string designFile) {
    Picture picture;
    picture.stretch = stretch;
    picture.designFile = std::move(designFile);
    return Add({std::move(name), box, std::move(picture)});
}

Element& Page::AddShape(std::string name, Box box, ShapeKind kind, Colour pen, int penWidth) {
    return Add({
        std::move(name), box, Shape{kind, penWidth, pen}
    });
}

const Element& Page::Get(std::string_view name) const {
    const auto found = index_.find(std::string(name));
    if (found == index_.end()) throw std::out_of_range("no page element " + std::string(name));
    return elements_[found->second];
}

Element& Page::At(std::string_view name) {
    return const_cast<Element&>(std::as_const(*this).Get(name));
}

void Page::SetCaption(std::string_view name, std::string caption) {
    std::get<Text>(At(name).content).caption = std::move(caption);
}

const std::string& Page::Caption(std::string_view name) const {
    return std::get<Text>(Get(name).content).caption;
}

void Page::SetFontColour(std::string_view name, Colour colour) {
    std::get<Text>(At(name).content).font.colour = colour;
}

Colour Page::FontColour(std::string_view name) const {
    return std::get<Text>(Get(name).content).font.colour;
}

void Page::Move(std::string_view name, int x, int y) {
    Element& element = At(name);
    element.box.x = x;
    element.box.y = y;
}

void Page::LoadPicture(std::string_view name, std::string_view file, const platform::PictureFiles& files) {
    Picture& slot = std::get<Picture>(At(name).content);
    const platform::PictureLookup found = files.Load(file);
    if (found.status != platform::PictureStatus::Loaded)
        throw PictureNotLoaded(std::string(file), found.status, files.Folder());
    slot.file = std::string(file);
    slot.resolved = found.file;
    slot.bitmapWidth = found.width;
    slot.bitmapHeight = found.height;
}

const Picture& Page::PictureOf(std::string_view name) const {
    return std::get<Picture>(Get(name).content);
}

void Page::LoadDesignPictures(const platform::PictureFiles& files) {
    for (const Element& element : elements_) {
        const auto* picture = std::get_if<Picture>(&element.content);
        if (picture != nullptr && !picture->designFile.empty())
            LoadPicture(element.name, picture->designFile, files);
    }
}

Box Page::FinalBox(const Element& element, const TextMetrics& metrics) const {
    Box box = element.box;
    if (const auto* text = std::get_if<Text>(&element.content); text != nullptr && text->autosize) {
        const Box measured = metrics.Measure(text->font, text->caption);
        box.width = measured.width;
        box.height = measured.height;
    } else if (const auto* picture = std::get_if<Picture>(&element.content);
               picture != nullptr && !picture->stretch && !picture->file.empty()) {
        box.width = picture->bitmapWidth;
        box.height = picture->bitmapHeight;
    }
    return box;
}

std::string DateLine(const platform::Date& today) {
    return "วันที่ " + TwoDigits(today.day) + "/" + TwoDigits(today.month) + "/" +
           std::to_string(platform::BuddhistEraYear(today.year));
}

bool FillOrReport(platform::Messages& messages, const std::function<void()>& fill) {
    try {
        fill();
        return true;
    } catch (const PictureNotLoaded& failure) {
        messages.Show(platform::MessageIcon::Error, failure.what());
        return false;
    }
}

}  // namespace omenary::report
