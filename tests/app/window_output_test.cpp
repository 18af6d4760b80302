// The main window at its edges, as a user meets them: what it shows at start, what the desktop
// answers, and where its labels stand.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include "app/formomenary.h"
#include "core/platform/profile.h"
#include "tests/shell_fixture.h"

namespace omenary::app {
namespace {

class Window : public omenary::testing::ShellFixture {
  protected:
    void TearDown() override {
        window_.reset();
        ShellFixture::TearDown();
    }

    // The program started and its window shown and active, with the desktop's own opener.
    TFormomenary& Open(platform::Date today = {2547, 3, 15}) {
        window_ = std::make_unique<TFormomenary>(Start(today));
        window_->AttachReportForms(forms_);
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        return *window_;
    }
    // The user goes to another window and comes back.
    void Reactivate() {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    ReportForms forms_;
    std::unique_ptr<TFormomenary> window_;
};

// A glyph missing at first start (the stem of this year less 30: OS3.bmp in 2026) is one box; the
// window comes back without it and closes as always.
TEST_F(Window, AGlyphMissingAtFirstStartIsReportedOnceAndTheWindowStillCloses) {
    pictures_.SetMissing({"OS3.bmp"});
    TFormomenary& window = Open({2026, 12, 10});
    Reactivate();
    Reactivate();
    ASSERT_EQ(messages_.Texts().size(), 1u);
    EXPECT_NE(messages_.Texts()[0].find("OS3.bmp"), std::string::npos) << messages_.Texts()[0];
    EXPECT_EQ(logic_->coin.ComboBoxDD, "10");
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(platform::ProfileFile(SettingsPath()).Read("Application", "Run"), "False");
}

// The desktop's opener takes the note and then fails (no application for text files): the user is
// told, as when there is no opener at all. One that succeeds says nothing.
TEST_F(Window, ANoteTheDesktopsOpenerFailsOnSaysFalledToExecute) {
    const std::filesystem::path bin = root_ / "bin";
    std::filesystem::create_directories(bin);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(bin.string()) + ":" + path);
    Write(Working() / "Omenary_Version.txt", "2.88.0");
    struct Case {
        int exitStatus;
        std::size_t messages;
    };
    for (const Case c : {
             Case{3, 1},
             Case{0, 0}
    }) {
        Write(bin / "xdg-open", "#!/bin/sh\nexit " + std::to_string(c.exitStatus) + "\n");
        std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
        messages_ = {};
        Open();
        window_->PageControlOmenary()->setCurrentIndex(3);
        QTest::mouseClick(Find<QAbstractButton>("BitBtnFile1"), Qt::LeftButton);
        QTest::qWait(500);
        ASSERT_EQ(messages_.Texts().size(), c.messages) << c.exitStatus;
        if (c.messages == 1) {
            EXPECT_EQ(messages_.Texts()[0], "Falled to execute");
        }
    }
    qputenv("PATH", path);
}

// A page-setup picture that is missing or broken is named in a box when the options ask for it.
TEST_F(Window, AMissingOrBrokenPageSetupPictureIsReported) {
    std::filesystem::remove(Working() / "portrait3.bmp");
    Write(Working() / "portrait2.bmp", "BM not a picture");
    Open();
    window_->PageControlOmenary()->setCurrentIndex(2);
    struct Case {
        const char* box;
        const char* picture;
    };
    for (const Case c : {
             Case{"CheckBoxCenterOnPage", "portrait2.bmp"},
             Case{"CheckBoxCenterOnPage", "portrait1.bmp"},
             Case{   "CheckBoxLandscape", "portrait3.bmp"}
    }) {
        messages_ = {};
        QTest::mouseClick(Find<QAbstractButton>(c.box), Qt::LeftButton);
        const bool fails = std::string(c.picture) != "portrait1.bmp";
        ASSERT_EQ(messages_.Texts().size(), fails ? 1u : 0u) << c.picture;
        if (fails) {
            EXPECT_NE(messages_.Texts()[0].find(c.picture), std::string::npos) << messages_.Texts()[0];
        }
    }
    messages_ = {};
    Reactivate();
    EXPECT_TRUE(messages_.Texts().empty());
}

// Where the pair panel's labels stand, and that the longest texts of the coin slots fit their
// places whole, apart from their neighbours.
TEST_F(Window, PairPanelLabelsAndCoinSlotsStandWhereDrawn) {
    Open();
    const std::pair<const char*, QPoint> places[] = {
        { "LabelSlashYearBoy",  {23, 8}},
        {"LabelSlashYearGirl", {23, 34}},
        {  "LabelnameYearBoy",  {51, 8}},
        { "Labelnameyeargirl", {51, 32}},
    };
    for (const auto& [name, at] : places) {
        if (const QLabel* label = Find<QLabel>(name)) {
            EXPECT_EQ(label->pos(), at) << name;
        }
    }
    for (int n = 1; n <= 6; ++n) {
        const auto* date = Find<QLabel>(("LabelOmenaryCoin" + std::to_string(n)).c_str());
        const auto* time = Find<QLabel>(("LabelOmenaryTimeCoin" + std::to_string(n)).c_str());
        const QFontMetrics dateFont(date->font());
        const QFontMetrics timeFont(time->font());
        EXPECT_LE(date->x() + dateFont.horizontalAdvance(QStringLiteral("อา.14 กุมภาพันธ์ 2570")) + 3, time->x())
            << n;
        EXPECT_LE(time->x() + timeFont.horizontalAdvance(QStringLiteral("07:30-08:30 น.")),
                  time->parentWidget()->contentsRect().right())
            << n;
    }
}

}  // namespace
}  // namespace omenary::app
