#include "qt/platform/desktop_open.h"

#include <spawn.h>
#include <sys/wait.h>
#include <QDesktopServices>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

extern char** environ;

namespace omenary::qt {

namespace {

// True once the process has ended; its status is then in `status`.
bool Ended(pid_t pid, int& status) {
    return waitpid(pid, &status, WNOHANG) == pid;
}

}  // namespace

DesktopOpen::DesktopOpen() : timer_(new QTimer(this)) {
    timer_->setInterval(kLookMs);
    connect(timer_, &QTimer::timeout, this, &DesktopOpen::LookAtHandlers);
}

DesktopOpen::~DesktopOpen() {
    // Editors still open stay open; those already gone are not left as zombies.
    int status = 0;
    for (const Handler& handler : handlers_)
        Ended(handler.pid, status);
}

bool DesktopOpen::Open(const std::filesystem::path& file, Refused refusedLater) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    // A file URL only: the desktop picks the program, and nothing is run by name from here.
    if (opener.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
    const QByteArray program = QFile::encodeName(opener);
    std::string path = file.string();
    char* argv[] = {const_cast<char*>(program.constData()), path.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0) return false;
    handlers_.push_back({pid, std::chrono::steady_clock::now(), std::move(refusedLater)});
    timer_->start();
    return true;
}

void DesktopOpen::LookAtHandlers() {
    const auto now = std::chrono::steady_clock::now();
    const auto answering = [now](const Handler& handler) {
        return now - handler.started < std::chrono::milliseconds(kAnswerMs);
    };
    std::vector<Refused> refusals;
    std::erase_if(handlers_, [&](Handler& handler) {
        int status = 0;
        if (!Ended(handler.pid, status)) return false;
        const bool failed = !WIFEXITED(status) || WEXITSTATUS(status) != 0;
        if (failed && answering(handler) && handler.refused) refusals.push_back(std::move(handler.refused));
        return true;
    });
    // Slower once every opener is past its answer: only zombies are left to clear away.
    const bool anyAnswering = std::any_of(handlers_.begin(), handlers_.end(), answering);
    if (handlers_.empty()) {
        timer_->stop();
    } else {
        timer_->setInterval(anyAnswering ? kLookMs : 1000);
    }
    for (const Refused& refused : refusals)
        refused();
}

}  // namespace omenary::qt
