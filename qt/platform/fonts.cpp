#include "qt/platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFont>
#include <cstdlib>

namespace omenary::qt {

void InstallFontSubstitutions() {
    for (const FontSubstitution& s : kFontSubstitutions)
        QFont::insertSubstitution(QString::fromLatin1(s.designed), QString::fromLatin1(s.installed));
}

bool UsePageFontConfiguration() {
    // A configuration the user names is theirs to keep.
    if (std::getenv("FONTCONFIG_FILE") != nullptr || std::getenv("FONTCONFIG_PATH") != nullptr) return false;
    static constexpr char kConfiguration[] =
        "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\"><fontconfig>"
        "<dir>/usr/share/fonts</dir><dir>/usr/local/share/fonts</dir><dir prefix=\"xdg\">fonts</dir>"
        "<cachedir>/var/cache/fontconfig</cachedir><cachedir prefix=\"xdg\">fontconfig</cachedir>"
        "</fontconfig>";
    FcConfig* configuration = FcConfigCreate();
    if (configuration == nullptr) return false;
    if (FcConfigParseAndLoadFromMemory(configuration, reinterpret_cast<const FcChar8*>(kConfiguration),
                                       FcTrue) &&
        FcConfigBuildFonts(configuration) && FcConfigSetCurrent(configuration)) {
        FcConfigDestroy(configuration);  // the current configuration holds its own reference
        return true;
    }
    FcConfigDestroy(configuration);
    return false;
}

const FontSubstitution* SubstitutionFor(std::string_view designed) {
    for (const FontSubstitution& s : kFontSubstitutions)
        if (designed == s.designed) return &s;
    return nullptr;
}

}  // namespace omenary::qt
