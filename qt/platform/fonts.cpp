#include "qt/platform/fonts.h"

#include <QFont>

namespace omenary::qt {

void InstallFontSubstitutions() {
    for (const FontSubstitution& s : kFontSubstitutions)
        QFont::insertSubstitution(QString::fromLatin1(s.designed), QString::fromLatin1(s.installed));
}

}  // namespace omenary::qt
