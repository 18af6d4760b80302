// How a tab's button shows its work on this desktop: the hourglass while it computes, then the
// filled page in a preview or on the printer.
#pragma once

#include <vector>

#include "core/platform/messages.h"
#include "core/report/calculation_view.h"

class QWidget;

namespace omenary::app {

class WindowPageView final : public report::CalculationView {
  public:
    // documentName names the report in a print queue and in the file a print without a printer writes.
    WindowPageView(QWidget* window, platform::Messages& messages, const char* documentName)
        : window_(window), messages_(messages), documentName_(documentName) {}
    void ShowHourglass() override;
    void RestoreCursor() override;
    void Output(const report::Page& page, bool preview) override;
    // A list's pages, all in one preview or one print.
    void Output(const std::vector<report::Page>& pages, bool preview);

  private:
    QWidget* window_;
    platform::Messages& messages_;
    const char* documentName_;
};

}  // namespace omenary::app
