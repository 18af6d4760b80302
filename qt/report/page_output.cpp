#include "qt/report/page_output.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <functional>
#include <memory>
#include <optional>

#include "qt/platform/qt_text.h"
#include "qt/report/pdf_pages.h"
#include "qt/report/print_queue.h"
#include "qt/report/renderer.h"

namespace omenary::qt {

namespace {

QPrinter* currentPrinter = nullptr;

void DeleteCurrentPrinter() {
    delete currentPrinter;
    currentPrinter = nullptr;
}

// No printer to send to: no system printer behind a native printer, or a PDF printer with no file.
bool NoPrinter(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return printer.outputFileName().isEmpty();
    return printer.printerName().isEmpty() || QPrinterInfo::availablePrinters().isEmpty();
}

QString PrinterLabel(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

// A file name in the folder that no earlier print used: the page's name and the time of printing.
QString FreshPdfName(const QDir& folder, const QString& documentName) {
    const QString stem = documentName + QLatin1Char('-') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem + QStringLiteral(".pdf");
    for (int n = 2; folder.exists(name); ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".pdf");
    return folder.filePath(name);
}

// How drawing pages ended: a user who cancelled needs no message.
enum class Drawn { Done, Failed, Cancelled };

PrintOutcome SaveAsPdf(const std::function<Drawn(const QString& file)>& write, platform::Messages& messages,
                       const QString& documentName, const std::filesystem::path& pdfFolder) {
    const QString folderPath = pdfFolder.empty()
                                   ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                   : ToQString(pdfFolder.string());
    QDir folder(folderPath);
    const QString file = FreshPdfName(folder, documentName);
    const Drawn drawn = folder.mkpath(QStringLiteral(".")) ? write(file) : Drawn::Failed;
    if (drawn == Drawn::Cancelled) return PrintOutcome::Cancelled;
    if (drawn == Drawn::Failed) {
        messages.Show(platform::MessageIcon::Error,
                      "ไม่พบเครื่องพิมพ์ และบันทึกหน้ารายงานเป็นไฟล์ PDF ไม่ได้: " + ToStdString(file));
        return PrintOutcome::Failed;
    }
    messages.Show(platform::MessageIcon::Information,
                  "ไม่พบเครื่องพิมพ์ จึงบันทึกหน้ารายงานเป็นไฟล์ PDF ไว้ที่\n" + ToStdString(file));
    return PrintOutcome::SavedAsPdf;
}

// The command line's words for a queue that would not take the page.
std::string QueueRefusal(const QString& printerName, const std::string& reason) {
    return "the queue of the printer '" + ToStdString(printerName) + "' refused the page (" + reason + ")";
}

// One page on the printer; a PDF printer's file is written by the program's own PDF writer, whose
// Thai text can be searched.
std::optional<PrintFailure> PaintOn(QPrinter& printer, const report::Page& page,
                                    const QString& documentName) {
    printer.setDocName(documentName);
    SetUpPagedDevice(page, printer);
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        QString error;
        if (WritePdf(page, ToStdString(printer.outputFileName()), &error)) return std::nullopt;
        return PrintFailure{false, ToStdString(error)};
    }
    PrinterJob job(printer);
    if (auto refused = job.Refusal()) return refused;
    if (!job.Draw(page) || !job.End()) return PrintFailure{};
    return PrinterJob::Answer();
}

void ReportFailure(const PrintFailure& failure, const QPrinter& printer, platform::Messages& messages) {
    const std::string printerLabel = ToStdString(PrinterLabel(printer));
    messages.Show(platform::MessageIcon::Error,
                  failure.queueRefused
                      ? "คิวของเครื่องพิมพ์ " + printerLabel + " ไม่รับหน้ารายงานนี้ (" + failure.reason + ")"
                      : "พิมพ์หน้ารายงานไม่สำเร็จ เครื่องพิมพ์ " + printerLabel + " ไม่พร้อมใช้งาน");
}

// The progress window of a print, shown only where there are widgets (not in the command-line tool).
std::unique_ptr<QProgressDialog> ShowProgress(QWidget* parent, const QString& documentName) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
    auto progress = std::make_unique<QProgressDialog>(
        QStringLiteral("กำลังพิมพ์ ") + documentName + QStringLiteral(" ..."), QString(), 0, 1, parent);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setValue(0);
    QCoreApplication::processEvents();
    return progress;
}

}  // namespace

QPrinter& CurrentPrinter() {
    if (currentPrinter == nullptr) {
        currentPrinter = new QPrinter(QPrinter::HighResolution);
        // Gone with the application, before Qt's print support is unloaded.
        qAddPostRoutine(DeleteCurrentPrinter);
    }
    return *currentPrinter;
}

bool SetupPrinter(QWidget* parent) {
    QPrintDialog dialog(&CurrentPrinter(), parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // The dialog only sets the printer up; its accept button must not promise a print.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(QStringLiteral("ตกลง"));
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// The pages drawn one after another by `pages` (a PageSequence, PdfPages), with a progress window
// that can be cancelled for long runs.
template <typename Pages>
Drawn DrawPages(const std::vector<report::Page>& pages, Pages& sequence, QWidget* parent,
                const QString& documentName) {
    constexpr std::size_t kPagesWithoutProgress = 50;
    std::unique_ptr<QProgressDialog> progress;
    if (pages.size() > kPagesWithoutProgress &&
        qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        progress = std::make_unique<QProgressDialog>(
            QStringLiteral("กำลังพิมพ์ ") + documentName + QStringLiteral(" ..."), QStringLiteral("ยกเลิก"), 0,
            static_cast<int>(pages.size()), parent);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (progress) {
            progress->setValue(static_cast<int>(i));
            if (progress->wasCanceled()) return Drawn::Cancelled;
        }
        if (!sequence.Draw(pages[i])) return Drawn::Failed;
    }
    return sequence.End() ? Drawn::Done : Drawn::Failed;
}

void ShowPreview(const report::Page& first, QWidget* parent, const QString& title,
                 const std::function<void(QPrinter*)>& paint) {
    QPrinter& printer = CurrentPrinter();
    SetUpPagedDevice(first, printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    // Large enough to read the page: most of the screen's height, an A4 page wide.
    if (const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const int height = available.height() * 9 / 10;
        dialog.resize(std::min(available.width(), height * 3 / 4 + 80), height);
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}

// A print to a file chosen in Qt's print dialog, which comes with Qt's PDF engine; the program's own
// writer writes that file instead.
bool PrintsToPdfFile(QPrinter& target) {
    return target.outputFormat() == QPrinter::PdfFormat && target.paintEngine() != nullptr &&
           target.paintEngine()->type() == QPaintEngine::Pdf;
}

// The pages as one PDF file, with the text layer of a single page's PDF; the file is written whole
// or not at all.
Drawn WritePdfPages(const std::vector<report::Page>& pages, const QString& file, QWidget* parent,
                    const QString& documentName) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return Drawn::Failed;
    PdfPages pdf(out);
    const Drawn drawn = DrawPages(pages, pdf, parent, documentName);
    return drawn != Drawn::Done || out.commit() ? drawn : Drawn::Failed;
}

// One page as a new PDF in the documents folder, by the program's own PDF writer.
PrintOutcome SavePageAsPdf(const report::Page& page, platform::Messages& messages,
                           const QString& documentName, const std::filesystem::path& pdfFolder) {
    const auto write = [&page](const QString& file) {
        QString error;
        return WritePdf(page, ToStdString(file), &error) ? Drawn::Done : Drawn::Failed;
    };
    return SaveAsPdf(write, messages, documentName, pdfFolder);
}

}  // namespace

void PreviewPage(const report::Page& page, platform::Messages& messages, QWidget* parent,
                 const QString& title) {
    ShowPreview(page, parent, title, [&](QPrinter* target) {
        // The preview draws through an engine of its own.
        if (!PrintsToPdfFile(*target)) {
            QPainter painter(target);
            RenderOnPagedDevice(page, painter);
        } else if (const auto failed = PaintOn(*target, page, title)) {
            ReportFailure(*failed, *target, messages);
        }
    });
}

void PreviewPages(const std::vector<report::Page>& pages, platform::Messages& messages, QWidget* parent,
                  const QString& title) {
    if (pages.empty()) return;
    ShowPreview(pages.front(), parent, title, [&](QPrinter* target) {
        if (!PrintsToPdfFile(*target)) {
            PageSequence sequence(*target);
            DrawPages(pages, sequence, parent, title);
        } else if (WritePdfPages(pages, target->outputFileName(), parent, title) == Drawn::Failed) {
            ReportFailure(PrintFailure{}, *target, messages);
        }
    });
}

PrintOutcome PrintPages(const std::vector<report::Page>& pages, platform::Messages& messages, QWidget* parent,
                        const QString& documentName, const std::filesystem::path& pdfFolder) {
    QPrinter& printer = CurrentPrinter();
    if (pages.empty()) return PrintOutcome::Failed;
    // As for one page: a file chosen in a dialog was the answer to that print, never overwritten.
    if (NoPrinter(printer) || printer.outputFormat() == QPrinter::PdfFormat) {
        const auto write = [&](const QString& file) {
            return WritePdfPages(pages, file, parent, documentName);
        };
        return SaveAsPdf(write, messages, documentName, pdfFolder);
    }
    printer.setDocName(documentName);
    PrinterJob job(printer);
    std::optional<PrintFailure> failed = job.Refusal();
    if (!failed) {
        const Drawn drawn = DrawPages(pages, job, parent, documentName);
        if (drawn == Drawn::Cancelled) {
            printer.abort();
            return PrintOutcome::Cancelled;
        }
        failed = drawn == Drawn::Done ? PrinterJob::Answer() : PrintFailure{};
    }
    if (!failed) return PrintOutcome::Printed;
    printer.abort();
    ReportFailure(*failed, printer, messages);
    return PrintOutcome::Failed;
}

PrintOutcome PrintPage(const report::Page& page, platform::Messages& messages, QWidget* parent,
                       const QString& documentName, const std::filesystem::path& pdfFolder) {
    // A file chosen in a dialog was the user's answer to that print; a later one never overwrites it.
    if (CurrentPrinter().outputFormat() == QPrinter::PdfFormat)
        return SavePageAsPdf(page, messages, documentName, pdfFolder);
    return PrintPageOn(CurrentPrinter(), page, messages, parent, documentName, pdfFolder);
}

PrintOutcome PrintPageOn(QPrinter& printer, const report::Page& page, platform::Messages& messages,
                         QWidget* parent, const QString& documentName,
                         const std::filesystem::path& pdfFolder) {
    if (NoPrinter(printer)) return SavePageAsPdf(page, messages, documentName, pdfFolder);
    const auto progress = ShowProgress(parent, documentName);
    const auto failed = PaintOn(printer, page, documentName);
    if (progress) progress->setValue(1);
    if (!failed) return PrintOutcome::Printed;
    ReportFailure(*failed, printer, messages);
    return PrintOutcome::Failed;
}

std::unique_ptr<QueueJob> QueueJob::Open(const std::string& printerName, const QString& documentName,
                                         std::string& failure) {
    const QPrinterInfo target = printerName.empty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(ToQString(printerName));
    if (target.isNull()) {
        if (!printerName.empty())
            failure = "no printer named '" + printerName + "' is installed";
        else
            failure = QPrinterInfo::availablePrinters().isEmpty()
                          ? "no printer is installed"
                          : "no default printer is set; name one after --print";
        return nullptr;
    }
    auto job = std::unique_ptr<QueueJob>(new QueueJob(target, documentName));
    if (auto refused = job->job_.Refusal()) {
        failure = QueueRefusal(target.printerName(), refused->reason);
        return nullptr;
    }
    return job;
}

QueueJob::QueueJob(const QPrinterInfo& target, const QString& documentName)
    : printer_(std::make_unique<QPrinter>(target, QPrinter::HighResolution)), job_(*printer_) {
    printer_->setCopyCount(1);
    printer_->setDocName(documentName);
}

QueueJob::~QueueJob() = default;

bool QueueJob::Add(const report::Page& page) {
    return job_.Draw(page);
}

std::string QueueJob::Finish() {
    if (!job_.End())
        return "the job sent to the printer '" + ToStdString(printer_->printerName()) + "' failed";
    if (auto refused = PrinterJob::Answer()) return QueueRefusal(printer_->printerName(), refused->reason);
    return {};
}

std::string PrintThroughQueue(const report::Page& page, const std::string& printerName,
                              const QString& documentName) {
    std::string failure;
    const auto job = QueueJob::Open(printerName, documentName, failure);
    if (!job) return failure;
    job->Add(page);
    return job->Finish();
}

}  // namespace omenary::qt
