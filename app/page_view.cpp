#include "app/page_view.h"

#include <QApplication>

#include "qt/report/page_output.h"

namespace omenary::app {

void WindowPageView::ShowHourglass() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void WindowPageView::RestoreCursor() {
    QApplication::restoreOverrideCursor();
}

void WindowPageView::Output(const report::Page& page, bool preview) {
    if (preview) {
        qt::PreviewPage(page, messages_, window_, QStringLiteral("Page Preview"));
    } else {
        qt::PrintPage(page, messages_, window_, QString::fromLatin1(documentName_));
    }
}

void WindowPageView::Output(const std::vector<report::Page>& pages, bool preview) {
    if (preview) {
        qt::PreviewPages(pages, messages_, window_, QStringLiteral("Page Preview"));
    } else {
        qt::PrintPages(pages, messages_, window_, QString::fromLatin1(documentName_));
    }
}

}  // namespace omenary::app
