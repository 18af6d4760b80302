#include "qt/report/page_output.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

#include <unistd.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "core/general/general_page.h"
#include "core/marriage/marriage_page.h"
#include "qt/report/renderer.h"

namespace omenary::qt {

std::string PdfText(const std::filesystem::path& pdf);  // with the rendering tests

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

// "Print to File (PDF)" chosen in the preview's print dialog gives the program's own PDF, whose Thai
// text a reader finds; a direct print afterwards is a new file named after the report. The same for
// a list's pages.
TEST_F(Printing, APdfChosenInTheDialogIsTheProgramsOwnAndNeverOverwrittenLater) {
    const std::vector<report::Page> pages = {general::GeneralPage(), marriage::MarriagePage()};
    ASSERT_TRUE(WritePdf(pages[0], root_ / "own.pdf", nullptr));
    for (const bool list : {false, true}) {
        const fs::path chosen = root_ / (list ? "chosen-list.pdf" : "chosen.pdf");
        const QString name = list ? "omenary-envelopes" : "omenary-general";
        platform::RecordedMessages messages;
        InspectAndCloseTheDialog([&chosen](QDialog* dialog) {
            CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
            CurrentPrinter().setOutputFileName(QString::fromStdString(chosen.string()));
            dialog->findChild<QPrintPreviewWidget*>()
                ->print();  // the dialog's print, once its print dialog is accepted
        });
        if (list)
            PreviewPages(pages, messages, nullptr, "Page Preview");
        else
            PreviewPage(pages[0], messages, nullptr, "Page Preview");
        const std::string firstPage = PdfText(chosen).substr(0, PdfText(chosen).find('\f'));
        EXPECT_EQ(firstPage, PdfText(root_ / "own.pdf").substr(0, PdfText(root_ / "own.pdf").find('\f')))
            << list;
        const std::string saved = Read(chosen);
        EXPECT_EQ(list ? PrintPages(pages, messages, nullptr, name, root_)
                       : PrintPage(pages[0], messages, nullptr, name, root_),
                  PrintOutcome::SavedAsPdf);
        CurrentPrinter().setOutputFormat(QPrinter::NativeFormat);
        EXPECT_EQ(Read(chosen), saved) << list;
        EXPECT_EQ(QDir(QString::fromStdString(root_.string())).entryList({name + "-*.pdf"}).size(), 1)
            << list;
        EXPECT_EQ(messages.Entries().size(), 1u) << list;  // where the new file is
    }
}

// A long list's print cancelled in its progress window leaves no file and says nothing more.
TEST_F(Printing, ACancelledListLeavesNoFileAndNoMessage) {
    const std::vector<report::Page> pages(60, general::GeneralPage());
    CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
    CurrentPrinter().setOutputFileName(QString::fromStdString((root_ / "chosen.pdf").string()));
    platform::RecordedMessages messages;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [] {
        if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
            progress->cancel();
    });
    cancel.start(20);
    EXPECT_EQ(PrintPages(pages, messages, nullptr, "omenary-envelopes", root_), PrintOutcome::Cancelled);
    CurrentPrinter().setOutputFormat(QPrinter::NativeFormat);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_TRUE(QDir(QString::fromStdString(root_.string())).entryList(QDir::Files).isEmpty());
}

// A queue that refuses jobs (cupsreject): the window's print and the command line's both say so.
TEST_F(Printing, AQueueThatRefusesTheJobIsReported) {
    const std::string queue = "omenary-refusing-" + std::to_string(::getpid());
    if (std::system(("lpadmin -p " + queue + " -v file:/dev/null -E && cupsreject " + queue).c_str()) != 0)
        GTEST_SKIP() << "needs a running CUPS (cups, cups-client) that lets lpadmin add a file: queue";
    const report::Page page = general::GeneralPage();
    EXPECT_NE(PrintThroughQueue(page, queue, "x").find("'" + queue + "' refused the page"),
              std::string::npos);
    QPrinter printer(QPrinterInfo::printerInfo(QString::fromStdString(queue)), QPrinter::HighResolution);
    platform::RecordedMessages messages;
    EXPECT_EQ(PrintPageOn(printer, page, messages, nullptr, "x"), PrintOutcome::Failed);
    EXPECT_NE(messages.Texts().at(0).find("ไม่รับหน้ารายงาน"), std::string::npos);
    // A list from the window, on the same queue.
    const QString before = CurrentPrinter().printerName();
    CurrentPrinter().setPrinterName(QString::fromStdString(queue));
    EXPECT_EQ(PrintPages({page, page}, messages, nullptr, "x"), PrintOutcome::Failed);
    CurrentPrinter().setPrinterName(before);
    EXPECT_NE(messages.Texts().back().find("ไม่รับหน้ารายงาน"), std::string::npos);
    EXPECT_EQ(std::system(("lpadmin -x " + queue).c_str()), 0);
}

}  // namespace
}  // namespace omenary::qt
