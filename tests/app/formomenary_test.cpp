// The main window driven as a user drives it: typing, moving the focus, clicking.
#include "app/formomenary.h"

#include <gtest/gtest.h>

#include <csignal>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
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
        PlaceOnScreen(*window_);
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
    EXPECT_EQ(tabs->tabToolTip(2).toStdString(), "ฤกษ์รับเหรียญ");
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(QGuiApplication::desktopFileName(), "omenary");

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
    // The box says which folder was searched and what it lacked.
    ASSERT_EQ(messages_.Texts().size(), 1U);
    EXPECT_TRUE(messages_.Texts()[0].starts_with("โปรแกรมไม่สามารถทำงานได้\n\nHOROSCOPE.INI was not found in " +
                                                 Working().string()))
        << messages_.Texts()[0];
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

// The desktop's opener takes the note and then fails (no application for text files): the user hears
// of it as when there is no opener at all; an opener that succeeds says nothing.
TEST_F(MainWindow, ANoteTheDesktopsOpenerFailsOnSaysFalledToExecute) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(root_.string()) + ":" + path);
    Write(Working() / "Omenary_Version.txt", "2.88.0");
    for (const int status : {3, 0}) {
        Write(root_ / "xdg-open", "#!/bin/sh\nexit " + std::to_string(status) + "\n");
        std::filesystem::permissions(root_ / "xdg-open", std::filesystem::perms::owner_all);
        messages_ = {};
        window_ = std::make_unique<TFormomenary>(Start());  // the desktop's own opener
        window_->show();
        window_->PageControlOmenary()->setCurrentIndex(3);
        Click("BitBtnFile1");
        QTest::qWait(500);
        EXPECT_EQ(messages_.Texts(), std::vector<std::string>(status != 0, "Falled to execute")) << status;
    }
    qputenv("PATH", path);
}

TEST_F(MainWindow, AMissingOrBrokenPageSetupPictureIsNamedWhenTheOptionsAskForIt) {
    std::filesystem::remove(Working() / "portrait4.bmp");
    Write(Working() / "portrait2.bmp", "BM not a picture");
    Open();
    window_->PageControlOmenary()->setCurrentIndex(2);
    // Centre alone asks for portrait2.bmp, both boxes for portrait4.bmp.
    for (const auto& [box, picture] : {
             std::pair{"CheckBoxCenterOnPage", "portrait2.bmp"},
             {   "CheckBoxLandscape", "portrait4.bmp"}
    }) {
        messages_ = {};
        Click(box);
        ASSERT_EQ(messages_.Texts().size(), 1u) << box;
        EXPECT_NE(messages_.Texts()[0].find(picture), std::string::npos) << messages_.Texts()[0];
    }
}

TEST_F(MainWindow, PairPanelLabelsAndCoinSlotsStandWhereDrawn) {
    Open();
    for (const auto& [name, at] : {
             std::pair{ "LabelSlashYearBoy", QPoint(23, 8)},
             {"LabelSlashYearGirl",  {23, 34}   },
             {  "LabelnameYearBoy",   {51, 8}   },
             { "Labelnameyeargirl",  {51, 32}   }
    }) {
        if (const QLabel* label = Find<QLabel>(name)) {
            EXPECT_EQ(label->pos(), at) << name;
        }
    }
    // The longest date and a time with its "น." fit whole, apart from each other.
    const QLabel* date = Find<QLabel>("LabelOmenaryCoin6");
    const QLabel* time = Find<QLabel>("LabelOmenaryTimeCoin6");
    EXPECT_LT(date->x() + date->fontMetrics().horizontalAdvance(QStringLiteral("อา.14 กุมภาพันธ์ 2570")),
              time->x() - 2);
    EXPECT_LE(time->x() + time->fontMetrics().horizontalAdvance(QStringLiteral("07:30-08:30 น.")),
              time->parentWidget()->contentsRect().right());
}

// Years and parents chosen as a user does, then the page printed without a preview; with no printer
// installed it lands as a PDF in the documents folder, and the message says where.
TEST_F(MainWindow, TheMarriageTabPrintsTheFilledPage) {
    for (const auto& entry : std::filesystem::directory_iterator(OMENARY_DATA_DIR))
        if (QString::fromStdString(entry.path().extension().string()).toLower() == ".bmp")
            std::filesystem::copy_file(entry.path(), Working() / entry.path().filename(),
                                       std::filesystem::copy_options::skip_existing);
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

// The list's question can be answered no: its cancel button is there to see, beside OK.
TEST_F(MainWindow, AQuestionThatMayBeDeclinedShowsItsCancelButton) {
    Open();
    qt::QtMessages boxes;
    boxes.SetParent(window_.get());
    for (const bool ok : {false, true}) {
        QStringList shown;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            for (QAbstractButton* button : box->buttons())
                if (button->isVisible()) shown << button->text();
            for (QAbstractButton* button : box->buttons())
                if ((button == box->button(QMessageBox::Ok)) == ok) button->click();
        });
        EXPECT_EQ(boxes.Confirm("พิมพ์หรือไม่"), ok);
        EXPECT_TRUE(shown.contains(QStringLiteral("ยกเลิก"))) << shown.join(',').toStdString();
        EXPECT_EQ(shown.size(), 2);
    }
}

TEST_F(MainWindow, WindowTitlesAreTheProgramsOwn) {
    Open();
    // A display name would be appended to every window's caption by the desktop.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    EXPECT_EQ(QApplication::applicationName().toStdString(), "MORVIT - Omenary");
}

// Every list takes exactly one of its items as typed: no completion makes "0" the day 01, and a
// padded item is no item.
TEST_F(MainWindow, EveryListTakesExactlyItsItems) {
    Open();
    int lists = 0;
    for (int tab = 0; tab < 3; ++tab) {
        window_->PageControlOmenary()->setCurrentIndex(tab);
        for (QComboBox* list : window_->PageControlOmenary()->widget(tab)->findChildren<QComboBox*>()) {
            const QString item = list->itemText(2);
            for (const QString& text : {item.left(1), item.left(2), " " + item, item + " ", item}) {
                TypeAndLeave(list, text);
                EXPECT_EQ(QApplication::focusWidget() == list, text != item)
                    << list->objectName().toStdString() << " '" << text.toStdString() << "'";
            }
            ++lists;
        }
    }
    EXPECT_EQ(lists, 12);
}

// A tab switch while an input is refused brings the tab back with the input.
TEST_F(MainWindow, ARefusedInputKeepsItsTab) {
    Open();
    QTabBar* tabs = window_->PageControlOmenary()->tabBar();
    QLineEdit* back = Edit("Editaspectbackofhome");
    for (const char* text : {"400", "40"}) {
        const bool refused = std::string(text) == "400";
        for (const bool byKey : {false, true}) {
            Type(back, text);
            byKey ? QTest::keyClick(back, Qt::Key_Tab, Qt::ControlModifier)
                  : QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
            QApplication::processEvents();
            EXPECT_EQ(tabs->currentIndex() == 0, refused) << text << byKey;
            EXPECT_EQ(QApplication::focusWidget() == back, refused) << text << byKey;
            tabs->setCurrentIndex(0);
        }
    }
}

// The pair buttons take no focus: a click takes the day the list shows; a refused day stops it, and
// any other click.
TEST_F(MainWindow, ACoinPairClickTakesTheDayTheListShows) {
    std::filesystem::copy_file(std::filesystem::path(OMENARY_DATA_DIR) / "Calendar1.TXT",
                               Working() / "Calendar1.TXT");
    Open({2547, 1, 5});
    window_->PageControlOmenary()->setCurrentIndex(2);
    Type(List("ComboBoxDD"), "17");
    Click("SpeedButtonOn1");
    Click("SpeedButtonBelow1");
    const QString first = Find<QLabel>("LabelOmenaryCoin1")->text();
    TypeAndLeave(List("ComboBoxDD"), "17");
    EXPECT_EQ(Find<QLabel>("LabelOmenaryCoin1")->text(), first);
    Type(List("ComboBoxDD"), "1");
    Click("SpeedButtonBelow3");
    EXPECT_EQ(logic_->coin.LabelRasiLang, "01");
    for (const char* box : {"CheckBoxLandscape", "CheckBoxPagePreview3"}) {
        const bool ticked = Find<QCheckBox>(box)->isChecked();
        Click(box);
        EXPECT_EQ(Find<QCheckBox>(box)->isChecked(), ticked) << box;
    }
    EXPECT_TRUE(logic_->coin.CheckBoxPagePreview3);
}

// Another window taking the focus is no leave: the typed year counts once the list is left.
TEST_F(MainWindow, AYearListIsNotLeftWhenAnotherWindowTakesTheFocus) {
    Open();
    window_->PageControlOmenary()->setCurrentIndex(1);
    Type(List("ComboBoxYearGirl"), "2520");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(logic_->marriage.ComboBoxYearGirl2, "3");
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(logic_->marriage.ComboBoxYearGirl2, "6");
}

// The coin rows are reached with Tab and walked with the arrow keys, which press nothing; Space,
// Return and Enter press the focused button.
TEST_F(MainWindow, TheKeyboardWalksTheCoinRowsAndPressesButtons) {
    Open();
    window_->PageControlOmenary()->setCurrentIndex(2);
    List("ComboBoxDD")->setFocus(Qt::TabFocusReason);
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Backtab, "SpeedButtonBelow1"},
        {  Qt::Key_Right, "SpeedButtonBelow2"},
        {  Qt::Key_Space, "SpeedButtonBelow2"},
        {     Qt::Key_Up,    "SpeedButtonOn2"},
        {   Qt::Key_Left,    "SpeedButtonOn1"},
        {  Qt::Key_Enter,    "SpeedButtonOn1"},
    };
    for (const auto& [key, focused] : keys) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), focused);
    }
    EXPECT_EQ(messages_.Beeps(), 1);  // once, for the odd pair 1 and 2
    Find<QWidget>("ButtonOmenaryCoinClose")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(window_->isVisible());
}

// On a screen smaller than the window (a large scale on a small one) the window, frame included,
// is on the screen and its pages scroll.
TEST_F(MainWindow, TheWholeWindowIsOnASmallScreen) {
    TFormomenary& window = Open();
    const QRect available(0, 0, 512, 384);
    const QMargins frame(4, 24, 4, 4);
    PlaceOnScreen(window, available, frame);
    EXPECT_EQ(window.size(), QSize(286 + window.style()->pixelMetric(QStyle::PM_ScrollBarExtent), 356));
    EXPECT_TRUE(available.contains(QRect(window.pos(), window.size().grownBy(frame))));
}

// Where no window manager closes the window, the session ends the program by a signal.
TEST_F(MainWindow, ATerminationSignalClosesTheWindowAndRecordsRunFalse) {
    Open();
    QuitOnTerminationSignals(*qApp);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    std::raise(SIGTERM);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(platform::ProfileFile(SettingsPath()).Read("Application", "Run"), "False");
}

}  // namespace
}  // namespace omenary::app
