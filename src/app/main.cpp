#include <QApplication>

#include "app/application_title.h"
#include "app/clock.h"
#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "app/program_picture.h"
#include "app/splash_view.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setWindowIcon(programIcon());

    SystemClock clock;
    QtDialogs dialogs;
    TForm1 Form1(Paths::current(), dialogs, clock);
    // A standing instance, never shown: every use of the splash window makes its own.
    TSplashForm SplashForm;

    Form1.show();
    return QApplication::exec();
}
