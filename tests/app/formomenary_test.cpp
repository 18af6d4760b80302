// The main window driven as a user drives it: typing, moving the focus, clicking.
#include "app/formomenary.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/application.h"
#include "core/extras/extra_tab.h"
#include "core/marriage/marriage_values.h"
#include "core/platform/profile.h"
#include "qt/platform/qt_messages.h"
#include "tests/shell_fixture.h"

namespace omenary::app {
namespace {

class MainWindow : public omenary::testing::ShellFixture {
  protected:
    void TearDown() override {
        window_.reset();
        ShellFixture::TearDown();
    }

    // Starts the program and shows its window, active, as the desktop would.
    TFormomenary& Open(platform::Date today = {2547, 3, 15}, bool expectActive = true) {
        window_ = std::make_unique<TFormomenary>(Start(today), &desktop_);
        window_->AttachReportForms(forms_);
        CentreOnScreen(*window_);
        window_->show();
        window_->activateWindow();
        if (expectActive) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        } else {
            QTest::qWait(100);
        }
        return *window_;
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    QComboBox* List(const char* name) { return Find<QComboBox>(name); }

    // Clicks into the input and replaces its text by typing, without leaving it.
    void Type(QWidget* input, const QString& text) {
        input->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        QLineEdit* edit = qobject_cast<QLineEdit*>(input);
        if (edit == nullptr) edit = qobject_cast<QComboBox*>(input)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
    }
    // Types and moves on with the tab key.
    void TypeAndLeave(QWidget* input, const QString& text) {
        Type(input, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        QApplication::processEvents();
    }
    void Click(const char* button) {
        QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton);
        QApplication::processEvents();
    }
    std::array<QString, 3> Inputs() {
        return {Edit("Editaspectbackofhome")->text(), Edit("Editaspectprominent")->text(),
                Edit("Editaspectperform")->text()};
    }

    ReportForms forms_;
    platform::RecordedShellOpen desktop_{false};  // a desktop without a handler for text files
    std::unique_ptr<TFormomenary> window_;
};

using Texts = std::array<QString, 3>;

TEST_F(MainWindow, CaptionSizeTabsAndStartState) {
    TFormomenary& window = Open();
    EXPECT_EQ(window.windowTitle().toStdString(), "MORVIT - Omenary 2.88.0");
    EXPECT_EQ(QApplication::applicationName().toStdString(), "MORVIT - Omenary");
    EXPECT_EQ(window.size(), QSize(286, 454));
    const QTabWidget* tabs = window.PageControlOmenary();
    ASSERT_EQ(tabs->count(), 4);
    const char* captions[] = {" ฤกษ์ยาม ", " ฤกษ์แต่งงาน ", " ฤกษ์รับเหรียญ ", " Extra"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tabs->tabText(i).toStdString(), captions[i]);
    EXPECT_EQ(tabs->currentIndex(), 0);

    EXPECT_TRUE(Find<QCheckBox>("CheckBoxPagePreview1")->isChecked());
    EXPECT_FALSE(Find<QPushButton>("Buttoncalculateomenary")->isEnabled());
    EXPECT_EQ(List("ComboBoxperson1")->currentText().toStdString(), "01 = ชวด");
    EXPECT_EQ(List("ComboBoxperson2")->currentText().toStdString(), "(ไม่มี)");
    EXPECT_EQ(List("ComboBoxperson2")->count(), 14);
    EXPECT_EQ(List("ComboBoxBudhaYearProcess")->currentText(), "2547");
    EXPECT_EQ(List("ComboBoxBudhaYearProcess")->count(), 257);
    EXPECT_EQ(Find<QToolButton>("SpeedButtonDeffaspectperform")->text(), "45");
    EXPECT_EQ(Find<QWidget>("Editaspectbackofhome")->toolTip(), "0 - 359.9");
    EXPECT_EQ(Find<QWidget>("SpeedButtonlaspectperform")->toolTip().toStdString(), "บวกองศา");
    EXPECT_EQ(Find<QWidget>("Buttoncalculateomenary")->toolTip(), "Calculate");
    EXPECT_EQ(Find<QLabel>("LabelNotice2")->text(), Find<QLabel>("LabelNotice1")->text());
}

TEST_F(MainWindow, ARefusedDegreeKeepsTheFocus) {
    Open();
    QLineEdit* back = Edit("Editaspectbackofhome");
    TypeAndLeave(back, "45.0");
    EXPECT_EQ(QApplication::focusWidget(), back);
    EXPECT_EQ(Inputs(), (Texts{"45.0", "", ""}));
    EXPECT_FALSE(Find<QPushButton>("Buttoncalculateomenary")->isEnabled());
}

TEST_F(MainWindow, DirectionsAreCopiedDownwards) {
    Open();
    TypeAndLeave(Edit("Editaspectbackofhome"), "90");
    EXPECT_EQ(Inputs(), (Texts{"90", "90", "90"}));
    EXPECT_TRUE(Find<QPushButton>("Buttoncalculateomenary")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Edit("Editaspectprominent"));
    TypeAndLeave(Edit("Editaspectprominent"), "180");
    EXPECT_EQ(Inputs(), (Texts{"90", "180", "180"}));
}

TEST_F(MainWindow, PlusMinusAndStepSizeButtons) {
    Open();
    TypeAndLeave(Edit("Editaspectbackofhome"), "270");
    Click("SpeedButtonDeffaspectbackofhome");
    Click("SpeedButtonDeffaspectbackofhome");
    EXPECT_EQ(Find<QToolButton>("SpeedButtonDeffaspectbackofhome")->text(), "180");
    Click("SpeedButtonIaspectbackofhome");
    EXPECT_EQ(Inputs(), (Texts{"90", "90", "90"}));

    TypeAndLeave(Edit("Editaspectperform"), "10");
    Click("SpeedButtonDaspectperform");
    EXPECT_EQ(Inputs(), (Texts{"90", "90", "325"}));
    EXPECT_EQ(QApplication::focusWidget(), Edit("Editaspectperform"));

    const char* cycle[] = {"90", "180", "1", "45"};
    for (const char* expected : cycle) {
        Click("SpeedButtonDeffaspectprominent");
        EXPECT_EQ(Find<QToolButton>("SpeedButtonDeffaspectprominent")->text(), expected);
    }
}

TEST_F(MainWindow, PlusOnAnEmptyInputGives45AndOnTextBeeps) {
    Open();
    Click("SpeedButtonIaspectbackofhome");
    EXPECT_EQ(Inputs(), (Texts{"45", "45", "45"}));
    EXPECT_TRUE(Find<QPushButton>("Buttoncalculateomenary")->isEnabled());

    QLineEdit* prominent = Edit("Editaspectprominent");
    prominent->setFocus();
    prominent->setText("abc");
    Click("SpeedButtonIaspectprominent");
    EXPECT_EQ(messages_.Beeps(), 1);
    EXPECT_EQ(Inputs(), (Texts{"45", "abc", "45"}));
    EXPECT_EQ(QApplication::focusWidget(), prominent);
}

TEST_F(MainWindow, TheYearOfWorkJudgesTheDirectionsAgainWithoutTouchingThem) {
    Open();
    TypeAndLeave(Edit("Editaspectbackofhome"), "180");
    const general::GeneralValues& values = logic_->general;
    ASSERT_EQ(values[general::Aspect::BackOfHome].Labelaspectstatus, "เป็นทิศอสูร");
    TypeAndLeave(List("ComboBoxBudhaYearProcess"), "2551");
    EXPECT_EQ(values.year.ComboBoxYearProcess, "ชวด");
    EXPECT_EQ(values.year.LabelTidTodToy, "225");
    EXPECT_EQ(values[general::Aspect::BackOfHome].Labelaspectstatus, "เป็นทิศแตกสลาย, อสูร");
    EXPECT_EQ(Inputs(), (Texts{"180", "180", "180"}));

    TypeAndLeave(List("ComboBoxBudhaYearProcess"), "1999");
    EXPECT_EQ(QApplication::focusWidget(), List("ComboBoxBudhaYearProcess"));
    EXPECT_EQ(values.year.ComboBoxYearProcess, "ชวด");
}

TEST_F(MainWindow, PersonListsAcceptOnlyTheirItems) {
    Open();
    struct Case {
        const char* list;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {"ComboBoxperson2",    "(ไม่มี)",  true},
        {"ComboBoxperson2",                     "",  true},
        {"ComboBoxperson2", "05 = มะโรง",  true},
        {"ComboBoxperson1",       "12 = กุน",  true},
        {"ComboBoxperson1",    "(ไม่มี)", false},
        {"ComboBoxperson1",                     "", false},
        {"ComboBoxperson1",            "ชวด", false},
    };
    for (const Case& c : cases) {
        QComboBox* list = List(c.list);
        TypeAndLeave(list, QString::fromUtf8(c.text));
        EXPECT_EQ(QApplication::focusWidget() == list, !c.accepted) << c.list << " " << c.text;
        // Put an accepted text back so the next case starts from a focus that can move.
        TypeAndLeave(list, QStringLiteral("01 = ชวด"));
    }
}

TEST_F(MainWindow, CalculateOpensThePreviewOfTheFilledPage) {
    for (const char* picture :
         {"logo.bmp", "os0.bmp", "OS1.bmp", "BS0.bmp", "ground.bmp", "ok.BMP", "no.BMP"})
        std::filesystem::copy_file(std::filesystem::path(OMENARY_DATA_DIR) / picture, Working() / picture);
    for (int n = 1; n <= 12; ++n)
        for (const std::string prefix : {"BS", "N"})
            std::filesystem::copy_file(
                std::filesystem::path(OMENARY_DATA_DIR) / (prefix + std::to_string(n) + ".bmp"),
                Working() / (prefix + std::to_string(n) + ".bmp"));
    Open();
    TypeAndLeave(Edit("Editaspectbackofhome"), "0");
    TypeAndLeave(List("ComboBoxperson1"), QStringLiteral("05 = มะโรง"));
    std::string shown;
    QString title;
    QTimer::singleShot(0, [&shown, &title] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        shown = dialog->metaObject()->className();
        title = dialog->windowTitle();
        dialog->close();
    });
    Click("Buttoncalculateomenary");
    EXPECT_EQ(shown, "QPrintPreviewDialog");
    EXPECT_EQ(title, "Page Preview");
    EXPECT_TRUE(messages_.Texts().empty());
    EXPECT_EQ(forms_.FormPrintOmenary.Caption("QRLabelperson1"), "มะโรง");
    EXPECT_EQ(forms_.FormPrintOmenary.PictureOf("QRImageCanuse1").file, "BS1.BMP");
    EXPECT_EQ(List("ComboBoxperson1")->currentText().toStdString(), "05 = มะโรง");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindow, AMissingPictureIsNamedAndNothingIsShown) {
    Open();
    TypeAndLeave(Edit("Editaspectbackofhome"), "0");
    Click("Buttoncalculateomenary");
    ASSERT_EQ(messages_.Texts().size(), 1u);
    EXPECT_NE(messages_.Texts()[0].find(".bmp"), std::string::npos) << messages_.Texts()[0];
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(List("ComboBoxperson1")->currentText().toStdString(), "01 = ชวด");
}

TEST_F(MainWindow, TheCloseButtonsCloseAndRecordRunFalse) {
    for (const char* button : {"ButtonClose", "ButtonOmenaryMarryClose", "ButtonOmenaryCoinClose"}) {
        TFormomenary& window = Open();
        Find<QAbstractButton>(button)->click();
        EXPECT_FALSE(window.isVisible()) << button;
        EXPECT_EQ(platform::ProfileFile(SettingsPath()).Read("Application", "Run"), "False") << button;
    }
}

TEST_F(MainWindow, AMissingIndexShowsTheMessageAndClosesTheWindow) {
    std::filesystem::remove(Working() / "HOROSCOPE.INI");
    TFormomenary& window = Open({2547, 3, 15}, false);
    EXPECT_TRUE(window.StartFailed());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"โปรแกรมไม่สามารถทำงานได้"});
}

// What the user typed or chose and has not yet left stays in its input, whatever refreshes the
// window meanwhile; leaving it afterwards takes exactly that text.
TEST_F(MainWindow, WhatTheUserHasNotYetLeftSurvivesEverythingThatRefreshesTheWindow) {
    Open();
    QWidget other;
    qt::QtMessages boxes;
    boxes.SetParent(window_.get());
    struct Disturbance {
        const char* name;
        std::function<void()> act;
    };
    const Disturbance disturbances[] = {
        {  "re-activation",
         [&] {
         other.show();
         other.activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
         window_->activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
         }                                                                   },
        {"step-size click", [&] { Click("SpeedButtonDeffaspectbackofhome"); }},
        {    "message box",
         [&] {
         QTimer::singleShot(50, [] {
         if (QWidget* box = QApplication::activeModalWidget()) box->close();
         });
         boxes.Show(platform::MessageIcon::Information, "ข้อความ");
         // The desktop hands the activation back when the box closes.
         window_->activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
         }                                                                   },
    };
    QLineEdit* back = Edit("Editaspectbackofhome");
    QComboBox* person1 = List("ComboBoxperson1");
    int degree = 100;
    for (const Disturbance& d : disturbances) {
        const QString typed = QString::number(++degree);
        Type(back, typed);
        d.act();
        EXPECT_EQ(back->text(), typed) << d.name;
        EXPECT_EQ(QApplication::focusWidget(), back) << d.name;

        // A list item chosen from the drop-down.
        person1->setFocus(Qt::MouseFocusReason);
        person1->setCurrentIndex(0);
        person1->showPopup();
        QAbstractItemView* view = person1->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(4, 0)).center());
        // The desktop gives the window back its activation when the drop-down closes.
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        ASSERT_EQ(QApplication::focusWidget(), person1) << d.name;
        d.act();
        EXPECT_EQ(person1->currentText().toStdString(), "05 = มะโรง") << d.name;
        EXPECT_EQ(back->text(), typed) << d.name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(logic_->general.ComboBoxperson1, "05 = มะโรง") << d.name;
        EXPECT_EQ(logic_->general.aspects[0].Editaspect, typed.toStdString()) << d.name;
        TypeAndLeave(person1, QStringLiteral("01 = ชวด"));
    }
    EXPECT_EQ(Inputs(), (Texts{"103", "103", "103"}));
}

// Press and release of a touchpad tap can both arrive before the refused input has its focus back:
// the events are sent in that order here, with no event processing between them.
TEST_F(MainWindow, AClickWhileARefusedInputIsPendingDoesNothing) {
    TFormomenary& window = Open();
    QLineEdit* back = Edit("Editaspectbackofhome");
    EXPECT_EQ(QApplication::focusWidget(), back);  // the first input has the focus at start
    TypeAndLeave(back, "90");
    Type(back, "999");
    const Texts before = Inputs();
    for (const char* button : {"Buttoncalculateomenary", "ButtonClose"}) {
        auto* target = Find<QPushButton>(button);
        QTest::mousePress(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton);
        EXPECT_TRUE(messages_.Texts().empty()) << button;  // a calculation would name a missing picture
        EXPECT_TRUE(window.isVisible()) << button;
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), back) << button;
        // A slower click, once the focus is back, is refused just the same.
        Click(button);
        EXPECT_TRUE(messages_.Texts().empty()) << button;
        EXPECT_TRUE(window.isVisible()) << button;
    }
    EXPECT_EQ(Inputs(), before);
    EXPECT_EQ(logic_->general.aspects[0].ComboBoxaspect, "90");
    // Once the input holds an allowed degree, the same click calculates.
    Type(back, "180");
    Click("Buttoncalculateomenary");
    ASSERT_EQ(messages_.Texts().size(), 1u);  // the fill names the first picture the folder lacks
    EXPECT_NE(messages_.Texts()[0].find(".bmp"), std::string::npos) << messages_.Texts()[0];
    EXPECT_EQ(logic_->general.aspects[0].ComboBoxaspect, "180");
}

TEST_F(MainWindow, TheExtraTabShowsThePrintingNotesAndSaysWhenANoteCannotBeOpened) {
    Open();
    const QStringList lines = Find<QPlainTextEdit>("Memo1")->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 18);
    for (std::size_t i = 0; i < extras::kMemo1.size(); ++i)
        EXPECT_EQ(lines[static_cast<int>(i)].toStdString(), extras::kMemo1[i]) << i;
    EXPECT_TRUE(lines[3].startsWith('\t'));
    EXPECT_TRUE(Find<QPlainTextEdit>("Memo1")->isReadOnly());

    Write(Working() / "omenary_version.TXT", "2.88.0");
    window_->PageControlOmenary()->setCurrentIndex(3);
    Click("BitBtnFile1");  // there, but the desktop has nothing to open it with
    Click("BitBtnFile2");  // not there at all
    ASSERT_EQ(desktop_.Opened().size(), 1u);
    EXPECT_EQ(desktop_.Opened()[0], Working() / "omenary_version.TXT");
    ASSERT_EQ(messages_.Entries().size(), 2u);
    for (const auto& entry : messages_.Entries()) {
        EXPECT_EQ(entry.text, "Falled to execute");
        EXPECT_EQ(entry.icon, platform::MessageIcon::Error);
    }
}

// Years and parents chosen as a user does, then the page printed without a preview; with no printer
// installed it lands as a PDF in the documents folder, and the message says where.
TEST_F(MainWindow, TheMarriageTabPrintsTheFilledPage) {
    for (const auto& entry : std::filesystem::directory_iterator(OMENARY_DATA_DIR))
        if (QString::fromStdString(entry.path().extension().string()).toLower() == ".bmp")
            std::filesystem::copy_file(entry.path(), Working() / entry.path().filename());
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", root_.c_str());
    Open();
    window_->PageControlOmenary()->setCurrentIndex(1);
    EXPECT_EQ(List("ComboBoxYearBoy")->currentText(), "2517");  // this year less 30
    TypeAndLeave(List("ComboBoxYearBoy"), "2467");
    EXPECT_FALSE(Find<QLabel>("ImageYearBoy1")->pixmap().isNull());
    EXPECT_EQ(Find<QLabel>("Imageyearboy2")->toolTip(), "1");
    EXPECT_EQ(Find<QLabel>("LabelnameYearBoy")->text().toStdString(), "ชวด");
    TypeAndLeave(List("ComboBoxYearGirl"), "2520");
    TypeAndLeave(List("ComboBoxPorYearBoy"), QStringLiteral("05 = มะโรง"));
    TypeAndLeave(List("ComboBoxMaYearGirl"), "5");
    EXPECT_EQ(QApplication::focusWidget(), List("ComboBoxMaYearGirl"));  // not an item: refused
    TypeAndLeave(List("ComboBoxMaYearGirl"), QStringLiteral("10 = ระกา"));
    const marriage::MarriageValues& values = logic_->marriage;
    EXPECT_EQ(values.ComboBoxYearBoy1 + "/" + values.ComboBoxYearBoy2, "1/1");
    EXPECT_EQ(values.ComboBoxPorYearBoy2, "5");
    EXPECT_EQ(values.ComboBoxMaYearGirl2, "10");

    Find<QCheckBox>("CheckBoxPagePreview2")->click();
    Click("ButtonCalcOmenaryMarry");
    qputenv("HOME", home);
    ASSERT_EQ(messages_.Texts().size(), 1u);
    EXPECT_NE(messages_.Texts()[0].find(".pdf"), std::string::npos) << messages_.Texts()[0];
    EXPECT_TRUE(std::filesystem::exists(root_ / "Documents"));
    EXPECT_FALSE(std::filesystem::is_empty(root_ / "Documents"));
    EXPECT_EQ(forms_.FormPrintMarryOmenary.Caption("QRLabelYearNow"), "2547");
    EXPECT_NE(values.Labelusedraseeyam[0], "");
}

// Stem and branch clicked as a user clicks them: an even pair finds its six moments from the start
// date, an odd one beeps and clears them.
TEST_F(MainWindow, TheCoinTabFindsTheMomentsOfAPairAndBeepsAtAnOddOne) {
    std::filesystem::copy_file(std::filesystem::path(OMENARY_DATA_DIR) / "Calendar1.TXT",
                               Working() / "Calendar1.TXT");
    Open({2547, 1, 5});
    window_->PageControlOmenary()->setCurrentIndex(2);
    Click("SpeedButtonOn1");
    Click("SpeedButtonBelow1");
    EXPECT_TRUE(Find<QAbstractButton>("SpeedButtonOn1")->isChecked());
    EXPECT_EQ(Find<QLabel>("LabelCoinDetail2")->text(), "2527");
    EXPECT_EQ(Find<QLabel>("LabelCoinDetail3")->text(), "21");
    EXPECT_TRUE(Find<QPushButton>("ButtonPrintOmenaryCoin")->isEnabled());
    for (int n = 1; n <= 6; ++n) {
        const std::string slot = std::to_string(n);
        EXPECT_NE(Find<QLabel>(("LabelOmenaryCoin" + slot).c_str())->text().toStdString(), "วันที่") << n;
        EXPECT_NE(Find<QLabel>(("LabelOmenaryTimeCoin" + slot).c_str())->text().toStdString(), "เวลา") << n;
    }
    EXPECT_EQ(messages_.Beeps(), 0);

    Click("SpeedButtonBelow2");
    EXPECT_EQ(messages_.Beeps(), 1);
    EXPECT_TRUE(Find<QAbstractButton>("SpeedButtonBelow2")->isChecked());
    EXPECT_FALSE(Find<QAbstractButton>("SpeedButtonBelow1")->isChecked());
    EXPECT_EQ(Find<QLabel>("LabelCoinDetail2")->text(), "");
    EXPECT_EQ(Find<QLabel>("LabelOmenaryCoin1")->text().toStdString(), "วันที่");
    EXPECT_EQ(Find<QLabel>("LabelOmenaryTimeCoin6")->text().toStdString(), "เวลา");
    EXPECT_FALSE(Find<QPushButton>("ButtonPrintOmenaryCoin")->isEnabled());
    EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(MainWindow, TheExtraTabsListButtonPreviewsOneEnvelopePerRowOrShowsTheBadRows) {
    std::filesystem::copy_file(std::filesystem::path(OMENARY_DATA_DIR) / "Calendar1.TXT",
                               Working() / "Calendar1.TXT");
    Write(root_ / "list.csv", "name,stem,branch\nสมชาย,1,1\n,10,12\nC,1,1\n");
    Write(root_ / "bad.csv", "name,stem,branch\nA,1,2\n");
    Open({2547, 1, 5});
    window_->PageControlOmenary()->setCurrentIndex(3);
    messages_.SetAnswer([](std::string_view) { return true; });
    int previewed = -1;
    // Answers the file dialog with the list, and counts the pages of the preview before closing it.
    QTimer poll;
    QString list;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            // As a user does: the file's name typed, then Enter.
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(list);
            QTest::keyClick(name, Qt::Key_Return);
        } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog)) {
            previewed = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->close();
        }
    });
    poll.start(50);

    list = QString::fromStdString((root_ / "list.csv").string());
    const QString birthYear = Find<QLabel>("LabelCoinDetail2")->text();
    Click("ButtonPrintEnvelopeList");
    EXPECT_EQ(previewed, 3);
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"รายชื่อนี้ได้ซอง 3 ซอง พิมพ์หรือไม่"});
    EXPECT_EQ(Find<QLabel>("LabelCoinDetail2")->text(), birthYear) << "the coin tab is left as it was";
    EXPECT_FALSE(Find<QPushButton>("ButtonPrintOmenaryCoin")->isEnabled());

    previewed = -1;
    list = QString::fromStdString((root_ / "bad.csv").string());
    Click("ButtonPrintEnvelopeList");
    EXPECT_EQ(previewed, -1);
    ASSERT_EQ(messages_.Texts().size(), 2u);
    EXPECT_NE(messages_.Texts().back().find("line 2: stem 1 and branch 2"), std::string::npos);
}

TEST_F(MainWindow, WindowTitlesAreTheProgramsOwn) {
    Open();
    // A display name would be appended to every window's caption by the desktop.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    EXPECT_EQ(QApplication::applicationName().toStdString(), "MORVIT - Omenary");
}

}  // namespace
}  // namespace omenary::app
