// blowcount: the splash window, then the main window; the program ends when
// its last window closes.
#include <QApplication>

#include "app/maker.h"
#include "app/start.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(app::maker::kProgramName));
    // Ties the windows to the installed desktop entry, its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BLOWCOUNT_APP_ID));
    app::start();
    return application.exec();
}
