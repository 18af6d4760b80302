// The three report forms, created at start after the main window and in this order. Each page lives
// for the whole run and keeps the content of its last fill.
#pragma once

#include "core/general/general_page.h"
#include "core/marriage/marriage_page.h"
#include "core/report/page.h"

namespace omenary::app {

struct ReportForms {
    report::Page FormPrintOmenary = general::GeneralPage();
    report::Page FormPrintMarryOmenary = marriage::MarriagePage();
    // The envelope gets its layout with its omenary.
    report::Page FormPrintOmenaryCoin{718, 295};
};

}  // namespace omenary::app
