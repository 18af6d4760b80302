#include "app/coin_tab.h"

namespace omenary::app {

CoinTab::CoinTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet) : Tab(logic, inputs, sheet) {
    BuildCloseButton("ButtonOmenaryCoinClose", QRect(194, 366, 78, 26));
}

}  // namespace omenary::app
