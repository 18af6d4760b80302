// The coin omenary's tab: the giver's stem and branch on two rows of buttons, the start date, the
// six moments the search finds, and the envelope with its placement options.
#pragma once

#include <array>

#include "app/tab.h"
#include "core/coin/coin_values.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace omenary::app {

class CoinTab final : public Tab {
    Q_OBJECT

  public:
    CoinTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet);

    void ShowValues() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildPairPicker();
    void BuildStartDate();
    void BuildResults();
    void BuildEnvelopeOptions();
    // Runs a handler of the tab with the search's context: the window's hourglass and messages.
    template <typename Handler>
    auto WithSearch(Handler handler);

    QButtonGroup* stems_ = nullptr;
    QButtonGroup* branches_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* year_ = nullptr;
    QLabel* stemPicture_ = nullptr;
    QLabel* stemNumber_ = nullptr;
    QLabel* branchPicture_ = nullptr;
    QLabel* branchNumber_ = nullptr;
    std::array<QLabel*, 3> details_{};
    std::array<QLabel*, coin::kSlotCount> dates_{};
    std::array<QLabel*, coin::kSlotCount> times_{};
    QLabel* setupPicture_ = nullptr;
    QCheckBox* landscape_ = nullptr;
    QCheckBox* centerOnPage_ = nullptr;
    QCheckBox* pagePreview_ = nullptr;
    QPushButton* print_ = nullptr;
    bool yearListFilled_ = false;
};

}  // namespace omenary::app
