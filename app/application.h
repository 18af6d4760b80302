// Program-wide set-up shared by the window program and its tests.
#pragma once

class QApplication;
class QWidget;

namespace omenary::app {

inline constexpr const char* kApplicationTitle = "MORVIT - Omenary";
inline constexpr const char* kMainWindowCaption = "MORVIT - Omenary 2.88.0";

// Names the application and applies what every run needs before its first window.
void SetUpApplication(QApplication& application);

// A termination request of the session or of a signal (SIGTERM, SIGINT, SIGHUP) closes the window
// the ordinary way, so the settings record the end of the run also where no window manager is.
void QuitOnTerminationSignals(QApplication& application);

// Where no window manager stands between them, another client may destroy the window outright
// (xdotool windowclose); that closes it as its close box would, instead of leaving the program
// running without a window.
void CloseWhenDestroyedFromOutside(QApplication& application, QWidget& window);

}  // namespace omenary::app
