#include "app/tab.h"

#include <QPushButton>

#include "app/widgets.h"

namespace omenary::app {

QPushButton* Tab::BuildCloseButton(const char* name, QRect geometry) {
    QPushButton* close = MakeButton(sheet_, name, QStringLiteral("ออก"), QStringLiteral("Exit"), geometry);
    QWidget* window = sheet_->window();
    inputs_.OnClick(close, Inputs::Click::LeavesInput, [window] { window->close(); });
    return close;
}

}  // namespace omenary::app
