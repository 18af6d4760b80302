// Opening a document with whatever the desktop opens it with. Only a file is handed over, never a
// command: nothing is ever run by name. The window opens through the desktop; the CLI and the tests
// record what would have been opened.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

namespace omenary::platform {

class ShellOpen {
  public:
    virtual ~ShellOpen() = default;
    // A refusal that comes after Open returned: the desktop's handler took the file, then gave up.
    using Refused = std::function<void()>;

    // Hands the file to the desktop without waiting for the program that shows it. False when it
    // could not be handed over; a handler that fails afterwards calls refusedLater (once, on the
    // thread that opened).
    virtual bool Open(const std::filesystem::path& file, Refused refusedLater) = 0;
};

// Keeps every file asked for; answers as told.
class RecordedShellOpen final : public ShellOpen {
  public:
    explicit RecordedShellOpen(bool succeeds = true) : succeeds_(succeeds) {}

    bool Open(const std::filesystem::path& file, Refused /*refusedLater*/) override {
        opened_.push_back(file);
        return succeeds_;
    }
    const std::vector<std::filesystem::path>& Opened() const { return opened_; }

  private:
    bool succeeds_;
    std::vector<std::filesystem::path> opened_;
};

}  // namespace omenary::platform
