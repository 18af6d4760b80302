// The desktop program. It takes no options and works in the current directory, where the calendar
// and picture files stand.
#include <QApplication>

#include <filesystem>
#include <system_error>

#include "app/application.h"
#include "app/formomenary.h"
#include "core/platform/clock.h"
#include "core/platform/files.h"
#include "core/shell/omenary.h"
#include "qt/platform/picture_files.h"
#include "qt/platform/qt_messages.h"

int main(int argc, char* argv[]) {
    using namespace omenary;
    QApplication application(argc, argv);
    app::SetUpApplication(application);
    app::QuitOnTerminationSignals(application);

    qt::QtMessages messages;
    const platform::SystemClock clock;
    std::error_code error;
    const std::filesystem::path working = std::filesystem::current_path(error);
    const qt::QtPictureFiles pictures(working);
    shell::Omenary logic({messages, clock, working, platform::WindowsDirectory(), pictures});

    app::TFormomenary window(logic);
    app::CloseWhenDestroyedFromOutside(application, window);
    messages.SetParent(&window);
    app::ReportForms forms;
    window.AttachReportForms(forms);
    app::PlaceOnScreen(window);
    window.show();
    // Desktops activate a new main window themselves; a bare X server does not until asked.
    window.activateWindow();
    // The first activation may already have failed while the window was shown.
    if (window.StartFailed()) return 1;
    const int status = QApplication::exec();
    return window.StartFailed() ? 1 : status;
}
