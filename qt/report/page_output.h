// Where a filled page goes: the preview window, the current printer, or a PDF when there is no printer.
#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/messages.h"
#include "core/report/page.h"
#include "qt/report/print_queue.h"
#include "qt/report/renderer.h"

class QPrinter;
class QPrinterInfo;
class QWidget;

namespace omenary::qt {

// The one printer every page prints on; the printer setup dialog changes it for the whole run.
QPrinter& CurrentPrinter();

// The platform's printer setup dialog on the current printer (modal); true when the user accepted it.
bool SetupPrinter(QWidget* parent);

// Shows the page in a modal preview window (the user may print from it) and returns when it closes.
// A print from it that fails gives a message.
void PreviewPage(const report::Page& page, platform::Messages& messages, QWidget* parent,
                 const QString& title);

// The pages of a list one after another in the preview window (modal). A print from it to a file
// that fails gives a message.
void PreviewPages(const std::vector<report::Page>& pages, platform::Messages& messages, QWidget* parent,
                  const QString& title);

enum class PrintOutcome { Printed, SavedAsPdf, Failed, Cancelled };

// The pages as one job on the current printer, with a progress window that can be cancelled when
// there are more than fifty; with no printer, one PDF in the documents folder (or the folder given).
// A queue that refuses the job or a printer that fails gives a message; a cancelled print gives none
// and leaves no file.
PrintOutcome PrintPages(const std::vector<report::Page>& pages, platform::Messages& messages, QWidget* parent,
                        const QString& documentName, const std::filesystem::path& pdfFolder = {});

// Prints the page on the current printer with a progress window. With no printer installed, or
// printing to a file, the page is written as a new PDF named after documentName into the user's
// documents folder (or the folder given) and a message says where. A printer that fails or a queue
// that refuses the page gives a message; nothing is thrown.
PrintOutcome PrintPage(const report::Page& page, platform::Messages& messages, QWidget* parent,
                       const QString& documentName, const std::filesystem::path& pdfFolder = {});

// Prints on the given printer (the same steps as PrintPage, for a printer other than the current one).
PrintOutcome PrintPageOn(QPrinter& printer, const report::Page& page, platform::Messages& messages,
                         QWidget* parent, const QString& documentName,
                         const std::filesystem::path& pdfFolder = {});

// Sends the page through the system's print queue to the named printer (the default printer when
// the name is empty): one copy, A4. Empty on success; else what went wrong, in words naming the
// printer.
std::string PrintThroughQueue(const report::Page& page, const std::string& printerName,
                              const QString& documentName);

// One job through the system's queue, a page at a time, on the printer PrintThroughQueue takes.
class QueueJob {
  public:
    // Nothing, with the reason in failure, when there is no such printer.
    static std::unique_ptr<QueueJob> Open(const std::string& printerName, const QString& documentName,
                                          std::string& failure);
    ~QueueJob();
    QueueJob(const QueueJob&) = delete;
    QueueJob& operator=(const QueueJob&) = delete;

    bool Add(const report::Page& page);
    // Empty once the whole job went to the queue; else what went wrong.
    std::string Finish();

  private:
    QueueJob(const QPrinterInfo& target, const QString& documentName);
    std::unique_ptr<QPrinter> printer_;
    PrinterJob job_;
};

}  // namespace omenary::qt
