#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "platform/Dialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("vovuv");
    platform::SetApplicationTitle("Vovuv");
    VovuvWindows windows;
    windows.form1->show();
    // The program ends when the main window closes, whatever else is open.
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return QApplication::exec();
}
