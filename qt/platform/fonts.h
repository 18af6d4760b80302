// The faces the pages and the window were designed with, and the installed faces that stand in for
// them. Applied once at start, before the first widget or page is drawn.
#pragma once

namespace omenary::qt {

struct FontSubstitution {
    const char* designed;
    const char* installed;
};

// CordiaUPC: Umpush is the TLWG face drawn after it, with the same small body and tall ascenders.
inline constexpr FontSubstitution kFontSubstitutions[] = {
    {    "CordiaUPC",      "Umpush"},
    {"MS Sans Serif",        "Loma"},
    {        "Arial",        "Loma"},
    {      "Verdana", "DejaVu Sans"},
};

void InstallFontSubstitutions();

}  // namespace omenary::qt
