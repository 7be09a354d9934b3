#include <QApplication>
#include <optional>

#include "app/about_box_dialog.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "base/clock.h"
#include "base/paths.h"
#include "logimport/upf_mode_dialog.h"
#include "register/status_dialog.h"
#include "window/application_title.h"
#include "window/dialogs.h"
#include "window/program_picture.h"
#include "window/splash_view.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = answerProgramOptions(argc, argv)) return *answered;
    QApplication application(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setWindowIcon(programIcon());

    SystemClock clock;
    QtDialogs dialogs;
    DesktopShell shell;
    TForm1 Form1(Paths::current(), dialogs, clock, shell);
    // Standing instances, never shown: every use of these windows makes its own.
    TSplashForm SplashForm;
    TAboutBox AboutBox(shell);
    TStatus_Form Status_Form;
    TUPF_mode UPF_mode;

    Form1.show();
    return QApplication::exec();
}
