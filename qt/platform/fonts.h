// The faces the pages and the window were designed with, and the installed faces that stand in for
// them. Applied once at start, before the first widget or page is drawn.
#pragma once

#include <string_view>

namespace omenary::qt {

struct FontSubstitution {
    const char* designed;
    const char* installed;
    // Size of the stand-in relative to the designed face at the same point size. CordiaUPC has a small
    // body for its size: the pages give its 12 pt lines 23 units and its 14 pt digits 25, and its
    // captions fit 66-unit boxes and the person notes the 168 units left of the table's right rule;
    // Umpush does all that at 0.63 of the size. The pages apply it;
    // widgets keep their sizes.
    double scale;
    // Width of a blank as a fraction of the designed size, where the stand-in's own blank is too
    // wide for the pages' blank-padded captions ("(     /      )" must put its slash between two
    // pictures); 0 keeps the stand-in's blank.
    double blankEm = 0;
    // Drawn into PDFs as outlines, its text written there by an invisible copy in the pages' own
    // face: the pages use the face for one mark only, which would otherwise embed the whole face
    // (milliseconds every run).
    bool outlined = false;
};

// CordiaUPC: Umpush is the TLWG face closest to it in shape (looped, upright, tall ascenders).
inline constexpr FontSubstitution kFontSubstitutions[] = {
    {    .designed = "CordiaUPC",      .installed = "Umpush", .scale = 0.63,   .blankEm = 0.2 },
    {.designed = "MS Sans Serif",        .installed = "Loma",  .scale = 1.0                 },
    {        .designed = "Arial",        .installed = "Loma",  .scale = 1.0                 },
    {      .designed = "Verdana", .installed = "DejaVu Sans",  .scale = 1.0, .outlined = true},
};

// The face the pages' text stands in, embedded in every page's PDF.
inline constexpr const char* kPageTextFace = kFontSubstitutions[0].installed;

void InstallFontSubstitutions();

// For a run that only makes pages (the command-line tool): the faces that stand in on the pages,
// from the system's and the user's font folders as their caches list them. Without the desktop's
// alias, hinting and rendering rules, which no page uses and which take milliseconds to read, and
// without the hundreds of other faces a desktop may have, which every font lookup would weigh. All
// installed faces when a stand-in face is missing. Before the first font is asked for; false (and
// the system's configuration stays) when it cannot be set up or the user names a configuration
// (FONTCONFIG_FILE, FONTCONFIG_PATH).
bool UsePageFontConfiguration();

// The stand-in of a designed face; nothing for a face that is not in the table.
const FontSubstitution* SubstitutionFor(std::string_view designed);

}  // namespace omenary::qt
