// What the system's print queue says of a job. Qt hands the page to the queue and keeps its answer to
// itself; the queue is asked here, before the page goes (does it take jobs at all?) and after (what
// it answered to the job).
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace omenary::qt {

// Why the queue of that printer will not take a job; nothing when it takes jobs or is unknown to it.
std::optional<std::string> QueueRefusesJobs(const QString& printerName);

// Why the queue refused the job just sent from this thread; nothing when it took it.
std::optional<std::string> QueueRefusedTheJob();

}  // namespace omenary::qt
