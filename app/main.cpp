// blowcount: the splash window, then the main window; the program ends when
// its last window closes.
#include <QApplication>

#include "app/start.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Vostraleen_Blowcount"));
    app::start();
    return application.exec();
}
