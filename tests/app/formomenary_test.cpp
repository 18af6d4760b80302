#include "app/formomenary.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTabWidget>

#include "app/application.h"

namespace omenary::app {
namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        static QApplication application(argc, argv);
        SetUpApplication(application);
    }
};

TEST_F(MainWindowTest, CaptionSizeAndFourTabs) {
    TFormomenary window;
    EXPECT_EQ(window.windowTitle().toStdString(), "MORVIT - Omenary 2.88.0");
    EXPECT_EQ(QApplication::applicationName().toStdString(), "MORVIT - Omenary");
    EXPECT_EQ(window.size(), QSize(286, 454));

    const QTabWidget* tabs = window.PageControlOmenary();
    ASSERT_EQ(tabs->count(), 4);
    const char* captions[] = {" ฤกษ์ยาม ", " ฤกษ์แต่งงาน ", " ฤกษ์รับเหรียญ ", " Extra"};
    const char* names[] = {"TabSheetOmenary1", "TabSheetMarryOmenary", "TabSheetOmenaryCoin",
                           "TabSheetHistory"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tabs->tabText(i).toStdString(), captions[i]);
        EXPECT_EQ(tabs->widget(i)->objectName().toStdString(), names[i]);
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(MainWindowTest, StartsCentredAndClosesCleanly) {
    TFormomenary window;
    CentreOnScreen(window);
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.geometry();
    window.show();
    // Equal margins on either side, to the pixel that an odd difference leaves over.
    EXPECT_LE(std::abs((frame.left() - available.left()) - (available.right() - frame.right())), 1);
    EXPECT_LE(std::abs((frame.top() - available.top()) - (available.bottom() - frame.bottom())), 1);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace omenary::app
