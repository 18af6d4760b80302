// The desktop program. It takes no options and works in the current directory, where the calendar
// and picture files stand.
#include <QApplication>

#include "app/application.h"
#include "app/formomenary.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    omenary::app::SetUpApplication(application);
    omenary::app::TFormomenary window;
    omenary::app::CentreOnScreen(window);
    window.show();
    return QApplication::exec();
}
