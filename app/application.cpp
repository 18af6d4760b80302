#include "app/application.h"

#include <QApplication>
#include <QFont>

#include "qt/platform/fonts.h"

namespace omenary::app {

void SetUpApplication(QApplication& application) {
    // Message boxes carry this title. No display name is set: the desktop would append it to every
    // window's caption ("Page Preview — ...").
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    application.setQuitOnLastWindowClosed(true);
    qt::InstallFontSubstitutions();
    // The window was laid out in this face and size; the pages choose their own fonts.
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

}  // namespace omenary::app
