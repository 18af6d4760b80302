// The coin omenary's tab: the giver's stem and branch, the start date, the six moments found and
// the envelope.
#pragma once

#include "app/tab.h"

namespace omenary::app {

class CoinTab final : public Tab {
    Q_OBJECT

  public:
    CoinTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet);
};

}  // namespace omenary::app
