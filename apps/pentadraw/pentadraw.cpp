#include "apps/pentadraw/Windows.h"
#include "apps/pentadraw/main.h"
#include "platform/Dialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("pentadraw");
    platform::SetApplicationTitle("Vovuv");
    PentadrawWindows windows;
    windows.form1->show();
    // The program ends when the main window closes, whatever else is open.
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return QApplication::exec();
}
