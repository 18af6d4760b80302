// Program-wide set-up shared by the window program and its tests.
#pragma once

class QApplication;

namespace omenary::app {

inline constexpr const char* kApplicationTitle = "MORVIT - Omenary";
inline constexpr const char* kMainWindowCaption = "MORVIT - Omenary 2.88.0";

// Names the application and applies what every run needs before its first window.
void SetUpApplication(QApplication& application);

// A termination request of the session or of a signal (SIGTERM, SIGINT, SIGHUP) closes the window
// the ordinary way, so the settings record the end of the run also where no window manager is.
void QuitOnTerminationSignals(QApplication& application);

}  // namespace omenary::app
