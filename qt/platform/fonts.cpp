#include "qt/platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFont>
#include <cstdlib>
#include <string>

namespace omenary::qt {

void InstallFontSubstitutions() {
    for (const FontSubstitution& s : kFontSubstitutions)
        QFont::insertSubstitution(QString::fromLatin1(s.designed), QString::fromLatin1(s.installed));
}

namespace {

// The system's and the user's font folders and their caches; with pageFacesOnly, only the faces that
// stand in on the pages are taken from them.
FcConfig* PageConfiguration(bool pageFacesOnly) {
    std::string xml =
        "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\"><fontconfig>"
        "<dir>/usr/share/fonts</dir><dir>/usr/local/share/fonts</dir><dir prefix=\"xdg\">fonts</dir>"
        "<cachedir>/var/cache/fontconfig</cachedir><cachedir prefix=\"xdg\">fontconfig</cachedir>";
    if (pageFacesOnly) {
        xml += "<selectfont><acceptfont>";
        for (const FontSubstitution& s : kFontSubstitutions)
            xml += std::string("<pattern><patelt name=\"family\"><string>") + s.installed +
                   "</string></patelt></pattern>";
        xml += "</acceptfont><rejectfont><pattern/></rejectfont></selectfont>";
    }
    xml += "</fontconfig>";
    FcConfig* configuration = FcConfigCreate();
    if (configuration == nullptr) return nullptr;
    if (FcConfigParseAndLoadFromMemory(configuration, reinterpret_cast<const FcChar8*>(xml.c_str()),
                                       FcTrue) &&
        FcConfigBuildFonts(configuration))
        return configuration;
    FcConfigDestroy(configuration);
    return nullptr;
}

bool HoldsEveryPageFace(FcConfig* configuration) {
    bool holds = true;
    for (const FontSubstitution& s : kFontSubstitutions) {
        FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, s.installed, nullptr);
        FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
        FcFontSet* found =
            pattern != nullptr && objects != nullptr ? FcFontList(configuration, pattern, objects) : nullptr;
        holds = holds && found != nullptr && found->nfont > 0;
        if (found != nullptr) FcFontSetDestroy(found);
        if (objects != nullptr) FcObjectSetDestroy(objects);
        if (pattern != nullptr) FcPatternDestroy(pattern);
    }
    return holds;
}

}  // namespace

bool UsePageFontConfiguration() {
    // A configuration the user names is theirs to keep.
    if (std::getenv("FONTCONFIG_FILE") != nullptr || std::getenv("FONTCONFIG_PATH") != nullptr) return false;
    FcConfig* configuration = PageConfiguration(true);
    // Where a stand-in face is missing, the pages are better off with whatever else is installed.
    if (configuration != nullptr && !HoldsEveryPageFace(configuration)) {
        FcConfigDestroy(configuration);
        configuration = PageConfiguration(false);
    }
    if (configuration == nullptr) return false;
    const bool set = FcConfigSetCurrent(configuration);
    FcConfigDestroy(configuration);  // the current configuration holds its own reference
    return set;
}

const FontSubstitution* SubstitutionFor(std::string_view designed) {
    for (const FontSubstitution& s : kFontSubstitutions)
        if (designed == s.designed) return &s;
    return nullptr;
}

}  // namespace omenary::qt
