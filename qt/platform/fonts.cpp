#include "qt/platform/fonts.h"

#include <QFont>

namespace omenary::qt {

void InstallFontSubstitutions() {
    for (const FontSubstitution& s : kFontSubstitutions)
        QFont::insertSubstitution(QString::fromLatin1(s.designed), QString::fromLatin1(s.installed));
}

const FontSubstitution* SubstitutionFor(std::string_view designed) {
    for (const FontSubstitution& s : kFontSubstitutions)
        if (designed == s.designed) return &s;
    return nullptr;
}

}  // namespace omenary::qt
