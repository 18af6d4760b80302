#include "qt/platform/fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

namespace omenary::qt {
namespace {

// Every stand-in face must be installed, or Qt silently falls back to whatever it finds.
TEST(FontSubstitutions, EveryDesignedFaceResolvesToAnInstalledFace) {
    int argc = 1;
    char name[] = "test_qt_platform";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    InstallFontSubstitutions();
    for (const FontSubstitution& s : kFontSubstitutions) {
        EXPECT_TRUE(QFontDatabase::hasFamily(QString::fromLatin1(s.installed))) << s.installed;
        const QFontInfo info(QFont(QString::fromLatin1(s.designed), 12));
        EXPECT_EQ(info.family().toStdString(), s.installed) << s.designed;
    }
}

}  // namespace
}  // namespace omenary::qt
