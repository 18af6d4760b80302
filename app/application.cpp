#include "app/application.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QSocketNotifier>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#include <cstdint>

#include "qt/platform/fonts.h"

namespace omenary::app {

namespace {

// The program's icon, as packaging/omenary.svg draws it on a 64-unit square; painted here because
// the window must show it without an SVG reader.
QPixmap ProgramIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x80, 0x00, 0x00));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(32, 32), 24, 24);
    QPainterPath dark;
    dark.moveTo(32, 8);
    dark.arcTo(QRectF(8, 8, 48, 48), 90, -180);
    dark.arcTo(QRectF(20, 32, 24, 24), -90, -180);
    dark.arcTo(QRectF(20, 8, 24, 24), -90, 180);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawPath(dark);
    painter.drawEllipse(QPointF(32, 20), 4, 4);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(32, 44), 4, 4);
    return pixmap;
}

int terminationPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here; the event loop does the rest.
    [[maybe_unused]] const ssize_t written = write(terminationPipe[1], &byte, 1);
}

// The X protocol's DestroyNotify event, as the X server sends it.
struct XDestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t kXDestroyNotify = 17;

class DestroyedFromOutside : public QAbstractNativeEventFilter {
  public:
    explicit DestroyedFromOutside(QWidget& window) : window_(window) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const XDestroyNotify*>(message);
        if ((event->responseType & 0x7f) == kXDestroyNotify && window_.internalWinId() != 0 &&
            event->window == window_.internalWinId())
            QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
        return false;
    }

  private:
    QWidget& window_;
};

}  // namespace

void SetUpApplication(QApplication& application) {
    // Message boxes carry this title. No display name is set: the desktop would append it to every
    // window's caption ("Page Preview — ...").
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    application.setQuitOnLastWindowClosed(true);
    // The window manager and the task bar show this icon and match the window to the menu entry.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(ProgramIcon(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("omenary"));
    qt::InstallFontSubstitutions();
    // The window was laid out in this face and size; the pages choose their own fonts.
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

void QuitOnTerminationSignals(QApplication& application) {
    if (terminationPipe[0] >= 0 || socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) != 0) return;
    auto* notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(terminationPipe[0], &byte, 1);
        // Quitting closes the windows first, so the main window records its close as always.
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void CloseWhenDestroyedFromOutside(QApplication& application, QWidget& window) {
    auto* filter = new DestroyedFromOutside(window);
    application.installNativeEventFilter(filter);
    QObject::connect(&window, &QObject::destroyed, &application, [&application, filter] {
        application.removeNativeEventFilter(filter);
        delete filter;
    });
}

}  // namespace omenary::app
