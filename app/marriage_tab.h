// The marriage omenary's tab: groom, bride and their parents.
#pragma once

#include "app/tab.h"

namespace omenary::app {

class MarriageTab final : public Tab {
    Q_OBJECT

  public:
    MarriageTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet);
};

}  // namespace omenary::app
