#include "app/application.h"

#include <QApplication>
#include <QFont>

#include "qt/platform/fonts.h"

namespace omenary::app {

void SetUpApplication(QApplication& application) {
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    // The caption already names the program; a display name would be appended to it a second time.
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(kMainWindowCaption));
    application.setQuitOnLastWindowClosed(true);
    qt::InstallFontSubstitutions();
    // The window was laid out in this face and size; the pages choose their own fonts.
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

}  // namespace omenary::app
