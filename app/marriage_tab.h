// The marriage omenary's tab: the birth years of groom and bride with their pairs, the branches of
// their living parents, and the calculate button.
#pragma once

#include <array>

#include "app/tab.h"
#include "core/marriage/marriage_values.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace omenary::app {

class MarriageTab final : public Tab {
    Q_OBJECT

  public:
    MarriageTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet);

    void ShowValues() override;

  private:
    // One row of the pair panel: the stem and branch glyphs and the branch's name.
    struct PairRow {
        QLabel* stem = nullptr;
        QLabel* branch = nullptr;
        QLabel* name = nullptr;
    };

    void BuildYears();
    void BuildParents();
    void ButtonCalcOmenaryMarryClick();

    std::array<QComboBox*, 2> years_{};  // groom, bride
    std::array<PairRow, 2> pairs_{};
    std::array<QComboBox*, 4> parents_{};
    QCheckBox* pagePreview_ = nullptr;
    bool yearListsFilled_ = false;
};

}  // namespace omenary::app
