// Documents opened with the desktop's own handler for their type (a text note in the text editor).
#pragma once

#include <sys/types.h>
#include <QObject>
#include <chrono>

#include "core/platform/shell_open.h"

class QTimer;

namespace omenary::qt {

class DesktopOpen final : public QObject, public platform::ShellOpen {
  public:
    DesktopOpen();
    ~DesktopOpen() override;

    // The file goes to the desktop's opener ("xdg-open"); where there is none, to Qt's own choice of
    // launcher. An opener that ends with a failure soon after is a refusal; one that runs on is the
    // editor at work, and the program never waits for it.
    bool Open(const std::filesystem::path& file, Refused refusedLater) override;

    // How long an opener's failure still counts as its answer, and how often it is looked at.
    static constexpr int kAnswerMs = 10000;
    static constexpr int kLookMs = 50;

  private:
    struct Handler {
        pid_t pid;
        std::chrono::steady_clock::time_point started;
        Refused refused;
    };
    void LookAtHandlers();

    std::vector<Handler> handlers_;
    QTimer* timer_;
};

}  // namespace omenary::qt
