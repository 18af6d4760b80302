// What the system's print queue says of a job. Qt hands the page to the queue and keeps its answer to
// itself; the queue is asked here, before the pages go (does it take jobs at all?) and after (what
// it answered to the job).
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/report/page.h"
#include "qt/report/renderer.h"

class QPrinter;

namespace omenary::qt {

// Why a print did not reach the paper: the queue refused it (and why), or the printer failed.
struct PrintFailure {
    bool queueRefused = false;
    std::string reason;
};

// One job on a printer, with the queue asked before and after: Refusal, the pages drawn one after
// another, End, Answer.
class PrinterJob {
  public:
    explicit PrinterJob(QPrinter& printer);

    // Why the printer's queue will not take a job; nothing when it takes jobs or is unknown to it.
    std::optional<PrintFailure> Refusal() const;
    bool Draw(const report::Page& page) { return pages_.Draw(page); }
    // False when no page was drawn or the printer failed.
    bool End();
    // Why the queue refused the job just ended; nothing when it took it.
    static std::optional<PrintFailure> Answer();

  private:
    QPrinter& printer_;
    PageSequence pages_;
};

}  // namespace omenary::qt
