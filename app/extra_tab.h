// The Extra tab: printing notes, the text notes and the sibling-program updater.
#pragma once

#include "app/tab.h"

namespace omenary::app {

class ExtraTab final : public Tab {
    Q_OBJECT

  public:
    ExtraTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet) : Tab(logic, inputs, sheet) {}
};

}  // namespace omenary::app
