#include "app/start.h"

#include "app/interface_font.h"
#include "app/main_window.h"

namespace app {

SplashWindow* start(std::chrono::milliseconds tick)
{
    useInterfaceFont();
    auto* splash = new SplashWindow(
        [] {
            auto* window = new MainWindow;
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->show();
        },
        tick);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    return splash;
}

}  // namespace app
