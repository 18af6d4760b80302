// Many pages into one PDF, a page at a time, with the text layer a single page's PDF has: copying or
// searching a list's PDF gives each page's text as it reads.
#pragma once

#include <QIODevice>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <memory>

#include "core/report/page.h"
#include "qt/report/pdf_text_layer.h"
#include "qt/report/renderer.h"

namespace omenary::qt {

// Qt's writer draws the pages into a temporary file; End copies that into `out` with the text layer.
// Nothing of a page is kept once drawn but what its text objects read.
class PdfPages {
  public:
    explicit PdfPages(QIODevice& out);
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // False when the page could not be drawn.
    bool Draw(const report::Page& page);
    // False when no page was drawn, or the file could not be finished or copied.
    bool End();

  private:
    QIODevice& out_;
    QTemporaryFile drawn_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<PageSequence> pages_;
    DocumentTexts texts_;
    bool failed_ = false;
};

}  // namespace omenary::qt
