// Documents opened with the desktop's own handler for their type (a text note in the text editor).
#pragma once

#include "core/platform/shell_open.h"

namespace omenary::qt {

class DesktopOpen final : public platform::ShellOpen {
  public:
    bool Open(const std::filesystem::path& file) override;
};

}  // namespace omenary::qt
