// Draws a page of the element model with QPainter: onto a printer, a preview, a PDF or an image.
// Layout units are 1/96 inch, scaled to the device; nothing is clipped at the band's edge.
#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/report/page.h"
#include "qt/report/pdf_text_layer.h"

class QPagedPaintDevice;

namespace omenary::qt {

// Qt sizes fonts in whole pixels: page fonts are made this many times larger than their size in
// layout units and drawn scaled down by as much, which keeps fractional sizes (12 pt is 10.56 units
// in the stand-in face) exact.
inline constexpr double kTextMagnification = 16;

// The installed face that stands in for a page font, kTextMagnification times its size in layout
// units, independent of the device.
QFont PageFont(const report::Font& font);

// The program's name in the PDFs it writes.
inline constexpr const char* kPdfCreator = "MORVIT - Omenary";

// Measures captions exactly as DrawBand draws them.
class QtTextMetrics final : public report::TextMetrics {
  public:
    report::Box Measure(const report::Font& font, std::string_view caption) const override;
};

// Draws every element in its order. The painter's origin is the band's top-left corner and one unit
// of its coordinates is one layout unit on whatever device it paints.
void DrawBand(const report::Page& page, QPainter& painter);

// Sets up a printer or PDF writer for the page: A4 portrait, the page's margins.
void SetUpPagedDevice(const report::Page& page, QPagedPaintDevice& device);

// Draws the page with a painter already begun on a device set up by SetUpPagedDevice.
void RenderOnPagedDevice(const report::Page& page, QPainter& painter);

// Pages drawn one after another on one paged device (a PDF writer, a printer), each as
// RenderOnPagedDevice draws it. A picture file is decoded once for all pages, so a PDF stores it once
// however many pages show it; no page is kept once drawn.
class PageSequence {
  public:
    explicit PageSequence(QPagedPaintDevice& device);
    ~PageSequence();
    PageSequence(const PageSequence&) = delete;
    PageSequence& operator=(const PageSequence&) = delete;

    // The first page sets the device up; false when the device would not take the page.
    bool Draw(const report::Page& page);
    // False when the device failed, or no page was drawn.
    bool End();

  private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    QHash<QByteArray, QImage> decoded_;  // by the picture path's bytes
    bool begun_ = false;
};

// What each text object of the page's PDF reads, in order, as the PDF writer is handed them: as the
// program's own PDF draws the page, or as any other paged device does.
std::vector<TextItem> TextItems(const report::Page& page, bool ownPdf);

// The whole sheet at the given resolution, white, with the band inside the margins.
QImage RenderImage(const report::Page& page, int dpi);

// The page as a vector PDF and as a PNG; empty when it could not be drawn.
inline constexpr int kPngDpi = 150;
QByteArray PdfBytes(const report::Page& page);
QByteArray PngBytes(const report::Page& page, int dpi);

// Vector PDF and PNG files, written as one set: both or neither, and every file that stood before
// stays as it was when anything fails (the message names the file). A device or FIFO is written
// into, never replaced.
bool WritePageFiles(const report::Page& page, const std::optional<std::filesystem::path>& pdf,
                    const std::optional<std::filesystem::path>& png, QString* error);
bool WritePdf(const report::Page& page, const std::filesystem::path& file, QString* error);
bool WritePng(const report::Page& page, const std::filesystem::path& file, QString* error, int dpi = kPngDpi);

}  // namespace omenary::qt
