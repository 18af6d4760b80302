// The program's own settings file, with the failure of a write reported once per run: the program
// goes on without the setting rather than stopping what the user was doing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/platform/messages.h"
#include "core/platform/profile.h"

namespace omenary::platform {

class Settings {
  public:
    Settings(std::filesystem::path file, Messages& messages) : file_(std::move(file)), messages_(messages) {}

    std::string Read(std::string_view section, std::string_view key) const {
        return file_.Read(section, key);
    }
    // False when the write failed; the first failure of the run is shown to the user.
    bool Write(std::string_view section, std::string_view key, std::string_view value);

    const std::filesystem::path& Path() const { return file_.Path(); }

  private:
    ProfileFile file_;
    Messages& messages_;
    bool failureReported_ = false;
};

}  // namespace omenary::platform
