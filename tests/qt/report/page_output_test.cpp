#include "qt/report/page_output.h"

#include <gtest/gtest.h>

#include "tests/pdf_text.h"
#include "tests/refusing_queue.h"
#include "tests/temp_folder.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "core/general/general_page.h"
#include "qt/report/renderer.h"

namespace omenary::qt {
namespace {

namespace fs = std::filesystem;

class Printing : public omenary::testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        static int argc = 1;
        static char name[] = "test_qt_report";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);
    }
};

// With no printer behind it, a print becomes a PDF in the documents folder, and a message says where.
TEST_F(Printing, WithoutAPrinterThePageIsSavedAsAPdfAndTheMessageSaysWhere) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QString());  // no printer chosen and none to choose
    platform::RecordedMessages messages;
    const report::Page page = general::GeneralPage();
    EXPECT_EQ(PrintPageOn(printer, page, messages, nullptr, "omenary-general", root_),
              PrintOutcome::SavedAsPdf);
    EXPECT_EQ(PrintPageOn(printer, page, messages, nullptr, "omenary-general", root_),
              PrintOutcome::SavedAsPdf);
    const QStringList saved = QDir(QString::fromStdString(root_.string())).entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(saved.size(), 2) << "a second print must not overwrite the first";
    ASSERT_EQ(messages.Entries().size(), 2u);
    EXPECT_EQ(messages.Entries()[0].icon, platform::MessageIcon::Information);
    const std::string text = messages.Entries()[1].text;
    EXPECT_NE(text.find("ไม่พบเครื่องพิมพ์"), std::string::npos) << text;
    bool namesAFile = false;
    for (const QString& file : saved) {
        EXPECT_TRUE(file.startsWith("omenary-general-"));
        namesAFile = namesAFile || text.find(file.toStdString()) != std::string::npos;
    }
    EXPECT_TRUE(namesAFile) << text;
}

// A printer that cannot take the job: one message, no exception, and the program goes on.
TEST_F(Printing, APrinterThatFailsGivesAMessage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((root_ / "no-such-folder" / "out.pdf").string()));
    platform::RecordedMessages messages;
    EXPECT_EQ(PrintPageOn(printer, general::GeneralPage(), messages, nullptr, "omenary-general"),
              PrintOutcome::Failed);
    ASSERT_EQ(messages.Entries().size(), 1u);
    EXPECT_EQ(messages.Entries()[0].icon, platform::MessageIcon::Error);
    EXPECT_NE(messages.Entries()[0].text.find("out.pdf"), std::string::npos);
}

TEST_F(Printing, APrinterThatWorksPrintsTheWholePage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((root_ / "printed.pdf").string()));
    platform::RecordedMessages messages;
    EXPECT_EQ(PrintPageOn(printer, general::GeneralPage(), messages, nullptr, "omenary-general"),
              PrintOutcome::Printed);
    EXPECT_TRUE(messages.Entries().empty());
    EXPECT_GT(fs::file_size(root_ / "printed.pdf"), 1000u);
    // The page's paper and margins went to the printer.
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_NEAR(printer.pageLayout().margins(QPageLayout::Millimeter).left(), 10, 0.01);
}

// Looks at the modal dialog once it is up, then closes it as a user would.
void InspectAndCloseTheDialog(std::function<void(QDialog*)> inspect) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        timer->stop();
        timer->deleteLater();
        inspect(dialog);
        dialog->reject();
    });
    timer->start(10);
}

TEST_F(Printing, ThePreviewShowsTheOnePageAndReturnsWhenClosed) {
    int pages = -1;
    InspectAndCloseTheDialog([&pages](QDialog* dialog) {
        ASSERT_NE(qobject_cast<QPrintPreviewDialog*>(dialog), nullptr);
        pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
    });
    platform::RecordedMessages messages;
    PreviewPage(general::GeneralPage(), messages, nullptr, "ฤกษ์ยาม");
    EXPECT_EQ(pages, 1);
}

// The setup dialog works on the one current printer; cancelling it changes nothing.
TEST_F(Printing, PrinterSetupWorksOnTheCurrentPrinter) {
    EXPECT_EQ(&CurrentPrinter(), &CurrentPrinter());
    QPrinter* shown = nullptr;
    InspectAndCloseTheDialog([&shown](QDialog* dialog) {
        ASSERT_NE(qobject_cast<QPrintDialog*>(dialog), nullptr);
        shown = qobject_cast<QPrintDialog*>(dialog)->printer();
    });
    EXPECT_FALSE(SetupPrinter(nullptr));
    EXPECT_EQ(shown, &CurrentPrinter());
}

// The setup dialog only sets the printer up, and its accept button says so.
TEST_F(Printing, PrinterSetupAcceptsWithOkNotPrint) {
    QString accept;
    InspectAndCloseTheDialog([&accept](QDialog* dialog) {
        accept = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
    });
    SetupPrinter(nullptr);
    EXPECT_EQ(accept.toStdString(), "ตกลง");
}

// "Print to File (PDF)" chosen in the preview's print dialog: the file is the program's own PDF,
// whose Thai text a reader finds; a direct print afterwards goes to a new file named after the
// report and leaves the chosen one alone.
TEST_F(Printing, APdfChosenInTheDialogIsTheProgramsOwnAndNeverOverwrittenLater) {
    const report::Page page = general::GeneralPage();
    const fs::path chosen = root_ / "chosen.pdf";
    const fs::path own = root_ / "own.pdf";
    ASSERT_TRUE(WritePdf(page, own, nullptr));
    platform::RecordedMessages messages;
    InspectAndCloseTheDialog([&chosen](QDialog* dialog) {
        QPrintPreviewWidget* preview = dialog->findChild<QPrintPreviewWidget*>();
        CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        CurrentPrinter().setOutputFileName(QString::fromStdString(chosen.string()));
        preview->print();  // what the dialog's print does once its print dialog is accepted
    });
    PreviewPage(page, messages, nullptr, "Page Preview");
    EXPECT_TRUE(messages.Entries().empty());
    const std::string text = omenary::testing::PdfText(chosen);
    EXPECT_NE(text.find("ฤกษ์"), std::string::npos) << text;
    EXPECT_EQ(text, omenary::testing::PdfText(own));
    const std::string saved = Read(chosen);

    EXPECT_EQ(PrintPage(page, messages, nullptr, "omenary-general", root_), PrintOutcome::SavedAsPdf);
    EXPECT_EQ(Read(chosen), saved);
    const QStringList fresh =
        QDir(QString::fromStdString(root_.string())).entryList({"omenary-general-*.pdf"}, QDir::Files);
    EXPECT_EQ(fresh.size(), 1);
    CurrentPrinter().setOutputFormat(QPrinter::NativeFormat);
}

// A queue that refuses the job: the window's print and the command line's both say so.
TEST_F(Printing, AQueueThatRefusesTheJobIsReported) {
    const omenary::testing::RefusingQueue queue;
    if (!queue.SkipReason().empty()) GTEST_SKIP() << queue.SkipReason();
    const report::Page page = general::GeneralPage();
    const std::string failure = PrintThroughQueue(page, queue.Name(), "omenary-general");
    EXPECT_NE(failure.find("'" + queue.Name() + "' refused the page"), std::string::npos) << failure;

    QPrinter printer(QPrinterInfo::printerInfo(QString::fromStdString(queue.Name())),
                     QPrinter::HighResolution);
    platform::RecordedMessages messages;
    EXPECT_EQ(PrintPageOn(printer, page, messages, nullptr, "omenary-general"), PrintOutcome::Failed);
    ASSERT_EQ(messages.Entries().size(), 1u);
    EXPECT_NE(messages.Entries()[0].text.find("ไม่รับหน้ารายงาน"), std::string::npos)
        << messages.Entries()[0].text;
}

}  // namespace
}  // namespace omenary::qt
