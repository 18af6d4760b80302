#include "qt/report/page_output.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

#include <QApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <functional>

#include "core/general/general_page.h"

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

}  // namespace
}  // namespace omenary::qt
