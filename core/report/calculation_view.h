// What a tab's calculate or print button needs of the window: the hourglass while it works, and the
// page's output.
#pragma once

#include "core/report/page.h"

namespace omenary::report {

class CalculationView {
  public:
    virtual ~CalculationView() = default;
    virtual void ShowHourglass() = 0;
    virtual void RestoreCursor() = 0;
    // Previews the page (returns when the preview closes) or prints it.
    virtual void Output(const Page& page, bool preview) = 0;
};

}  // namespace omenary::report
