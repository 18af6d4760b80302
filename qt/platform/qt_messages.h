// Message boxes and the beep on the desktop.
#pragma once

#include "core/platform/messages.h"

class QWidget;

namespace omenary::qt {

class QtMessages final : public platform::Messages {
  public:
    // Boxes are modal to the given window (may be null).
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }
    void Show(platform::MessageIcon icon, std::string_view text) override;
    bool Ask(std::string_view text) override;
    bool Confirm(std::string_view text) override;
    void Beep() override;

  private:
    bool Question(std::string_view text, bool cancelShown);
    QWidget* parent_;
};

}  // namespace omenary::qt
