// The Extra tab: printing notes for envelopes, the three text notes and the sibling-program updater.
#pragma once

#include <memory>

#include "app/tab.h"
#include "core/platform/shell_open.h"

class QLabel;

namespace omenary::app {

class ExtraTab final : public Tab {
    Q_OBJECT

  public:
    // Notes open through `desktop`; without one, through the desktop's own handler.
    ExtraTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet, platform::ShellOpen* desktop);

    void ShowValues() override;

  private:
    // "พิมพ์ซองตามรายชื่อ": a list of givers, one envelope each, previewed or printed as the coin
    // tab's envelope is.
    void PrintEnvelopeList();

    std::unique_ptr<platform::ShellOpen> ownDesktop_;
    platform::ShellOpen& desktop_;
    QLabel* updateStatus_ = nullptr;
};

}  // namespace omenary::app
