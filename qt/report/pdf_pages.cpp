#include "qt/report/pdf_pages.h"

namespace omenary::qt {

PdfPages::PdfPages(QIODevice& out) : out_(out) {}

// The sequence ends before the writer and its file go.
PdfPages::~PdfPages() {
    pages_.reset();
}

bool PdfPages::Draw(const report::Page& page) {
    if (failed_) return false;
    if (!writer_) {
        if (!drawn_.open()) return !(failed_ = true);
        writer_ = std::make_unique<QPdfWriter>(&drawn_);
        writer_->setCreator(QString::fromLatin1(kPdfCreator));
        pages_ = std::make_unique<PageSequence>(*writer_);
    }
    texts_.AddPage(TextItems(page, false));
    if (!pages_->Draw(page)) failed_ = true;
    return !failed_;
}

bool PdfPages::End() {
    if (failed_ || !pages_ || !pages_->End() || !drawn_.flush()) return false;
    failed_ = true;  // copied once
    return CopyWithTextLayer(drawn_, out_, texts_);
}

}  // namespace omenary::qt
