#include "core/coin/page_options.h"

namespace omenary::coin {

std::string PageSetupPictureName(const PageOptions& options) {
    std::string n = "1";
    if (options.CheckBoxCenterOnPage) n = "2";
    if (options.CheckBoxLandscape) n = "3";
    if (options.CheckBoxLandscape && options.CheckBoxCenterOnPage) n = "4";
    return "portrait" + n + ".bmp";
}

void ShowPageSetupPicture(PageOptions& options) {
    options.ImageSetupPrinter = PageSetupPictureName(options);
}

void CheckBoxLandscapeClick(PageOptions& options, platform::Settings& settings) {
    ShowPageSetupPicture(options);
    settings.Write("Options", "Landscape", options.CheckBoxLandscape ? "True" : "False");
    settings.Write("Options", "CenterOnPage", options.CheckBoxCenterOnPage ? "True" : "False");
}

}  // namespace omenary::coin
