// The general omenary's tab: the three house directions, the persons, the year of the work and the
// calculate button.
#pragma once

#include <array>

#include "app/tab.h"
#include "core/general/general_values.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace omenary::app {

class GeneralTab final : public Tab {
    Q_OBJECT

  public:
    GeneralTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet);

    void ShowValues() override;

  private:
    struct AspectRow {
        QLineEdit* edit = nullptr;
        QToolButton* step = nullptr;
    };

    void BuildAspectRows(int& y);
    void BuildPersonsAndYear(int& y);
    Leave EditaspectExit(general::Aspect aspect);
    void StepClick(general::Aspect aspect, bool up);
    void ButtoncalculateomenaryClick();

    std::array<AspectRow, 3> aspectRows_;
    QComboBox* person1_ = nullptr;
    QComboBox* person2_ = nullptr;
    QComboBox* yearOfWork_ = nullptr;
    QCheckBox* pagePreview_ = nullptr;
    QPushButton* calculate_ = nullptr;
    bool yearListFilled_ = false;
};

}  // namespace omenary::app
