#include "app/marriage_tab.h"

namespace omenary::app {

MarriageTab::MarriageTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet) : Tab(logic, inputs, sheet) {
    BuildCloseButton("ButtonOmenaryMarryClose", QRect(194, 366, 78, 26));
}

}  // namespace omenary::app
