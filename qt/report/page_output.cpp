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
#include <QScreen>
#include <QStandardPaths>
#include <memory>
#include <optional>

#include "qt/platform/qt_text.h"
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

PrintOutcome SaveAsPdf(const report::Page& page, platform::Messages& messages, const QString& documentName,
                       const std::filesystem::path& pdfFolder) {
    const QString folderPath = pdfFolder.empty()
                                   ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                   : ToQString(pdfFolder.string());
    QDir folder(folderPath);
    QString error;
    const QString file = FreshPdfName(folder, documentName);
    if (!folder.mkpath(QStringLiteral(".")) || !WritePdf(page, ToStdString(file), &error)) {
        messages.Show(platform::MessageIcon::Error,
                      "ไม่พบเครื่องพิมพ์ และบันทึกหน้ารายงานเป็นไฟล์ PDF ไม่ได้: " + ToStdString(file));
        return PrintOutcome::Failed;
    }
    messages.Show(platform::MessageIcon::Information,
                  "ไม่พบเครื่องพิมพ์ จึงบันทึกหน้ารายงานเป็นไฟล์ PDF ไว้ที่\n" + ToStdString(file));
    return PrintOutcome::SavedAsPdf;
}

// Why a print did not reach the paper: the queue refused it, or the printer failed.
struct PrintFailure {
    bool queueRefused = false;
    std::string reason;
};

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
    if (auto refused = QueueRefusesJobs(printer.printerName())) return PrintFailure{true, *refused};
    QPainter painter;
    if (!painter.begin(&printer)) return PrintFailure{};
    RenderOnPagedDevice(page, painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error) return PrintFailure{};
    if (auto refused = QueueRefusedTheJob()) return PrintFailure{true, *refused};
    return std::nullopt;
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

void PreviewPage(const report::Page& page, platform::Messages& messages, QWidget* parent,
                 const QString& title) {
    QPrinter& printer = CurrentPrinter();
    SetUpPagedDevice(page, printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    // Large enough to read the page: most of the screen's height, an A4 page wide.
    if (const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const int height = available.height() * 9 / 10;
        dialog.resize(std::min(available.width(), height * 3 / 4 + 80), height);
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        // The preview draws through an engine of its own; a print to a file chosen in the dialog
        // comes with Qt's PDF engine and is written by the program's own writer instead.
        const bool toFile = target->outputFormat() == QPrinter::PdfFormat &&
                            target->paintEngine() != nullptr &&
                            target->paintEngine()->type() == QPaintEngine::Pdf;
        if (!toFile) {
            QPainter painter(target);
            RenderOnPagedDevice(page, painter);
        } else if (const auto failed = PaintOn(*target, page, title)) {
            ReportFailure(*failed, *target, messages);
        }
    });
    dialog.exec();
}

PrintOutcome PrintPage(const report::Page& page, platform::Messages& messages, QWidget* parent,
                       const QString& documentName, const std::filesystem::path& pdfFolder) {
    // A file chosen in a dialog was the user's answer to that print; a later one never overwrites it.
    if (CurrentPrinter().outputFormat() == QPrinter::PdfFormat)
        return SaveAsPdf(page, messages, documentName, pdfFolder);
    return PrintPageOn(CurrentPrinter(), page, messages, parent, documentName, pdfFolder);
}

PrintOutcome PrintPageOn(QPrinter& printer, const report::Page& page, platform::Messages& messages,
                         QWidget* parent, const QString& documentName,
                         const std::filesystem::path& pdfFolder) {
    if (NoPrinter(printer)) return SaveAsPdf(page, messages, documentName, pdfFolder);
    const auto progress = ShowProgress(parent, documentName);
    const auto failed = PaintOn(printer, page, documentName);
    if (progress) progress->setValue(1);
    if (!failed) return PrintOutcome::Printed;
    ReportFailure(*failed, printer, messages);
    return PrintOutcome::Failed;
}

std::string PrintThroughQueue(const report::Page& page, const std::string& printerName,
                              const QString& documentName) {
    const QPrinterInfo target = printerName.empty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(ToQString(printerName));
    if (target.isNull()) {
        if (!printerName.empty()) return "no printer named '" + printerName + "' is installed";
        return QPrinterInfo::availablePrinters().isEmpty()
                   ? "no printer is installed"
                   : "no default printer is set; name one after --print";
    }
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setCopyCount(1);
    const auto failed = PaintOn(printer, page, documentName);
    if (!failed) return {};
    const std::string named = "the printer '" + ToStdString(target.printerName()) + "'";
    if (failed->queueRefused) return "the queue of " + named + " refused the page (" + failed->reason + ")";
    return "the job sent to " + named + " failed";
}

}  // namespace omenary::qt
