// The program's own settings file. A write that fails is reported once per run, in words, and the
// program goes on without the setting rather than stopping what the user was doing.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/messages.h"
#include "core/platform/profile.h"

namespace omenary::platform {

class Settings {
  public:
    // An empty path: there is no folder for settings; the program runs without them.
    Settings(std::filesystem::path file, Messages& messages) : file_(std::move(file)), messages_(messages) {}
    // Settings that live as long as the object and touch no file.
    static Settings InMemory(Messages& messages);

    std::string Read(std::string_view section, std::string_view key) const;
    // False when the write failed. A file that is not a settings file at all (binary, enormous) is
    // kept beside it under a new name, and a fresh file takes its place.
    bool Write(std::string_view section, std::string_view key, std::string_view value);

    const std::filesystem::path& Path() const { return file_.Path(); }

  private:
    bool MoveAside();
    // Temporary files left by a run killed in the middle of a write, also by earlier versions.
    void RemoveStaleTemporaries();
    void ReportOnce(const std::string& text);

    ProfileFile file_;
    Messages& messages_;
    // Section and key in lower case, then the value; used instead of the file when in memory.
    std::optional<std::map<std::pair<std::string, std::string>, std::string>> memory_;
    bool failureReported_ = false;
    bool temporariesChecked_ = false;
};

// Why a settings write failed, as a Thai clause that follows "เพราะ".
std::string ReasonInThai(const ProfileFile::WriteFailure& failure);

}  // namespace omenary::platform
