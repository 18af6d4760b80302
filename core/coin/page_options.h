// The two envelope options of the coin tab, the page-setup picture they stand for, and their place
// in the settings file.
#pragma once

#include <string>

#include "core/platform/settings.h"

namespace omenary::coin {

struct PageOptions {
    bool CheckBoxLandscape = false;     // "แนวตั้ง": the envelope goes in upright
    bool CheckBoxCenterOnPage = false;  // "กึ่งกลาง": in the middle of the tray
    std::string ImageSetupPrinter;      // file of the page-setup picture now shown
};

// "portrait1.bmp" ... "portrait4.bmp" for the four placements.
std::string PageSetupPictureName(const PageOptions& options);
void ShowPageSetupPicture(PageOptions& options);

// The click handling of both check boxes: the picture, then both options into the settings file.
void CheckBoxLandscapeClick(PageOptions& options, platform::Settings& settings);

}  // namespace omenary::coin
