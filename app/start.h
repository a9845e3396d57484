#pragma once
// Start-up: the interface font, then the splash window, which opens the main
// window when its load strip is full.
#include <chrono>

#include "app/splash_window.h"

namespace app {

// The splash window, shown; it deletes itself when it closes, and the main
// window it opens deletes itself when closed.
SplashWindow* start(std::chrono::milliseconds tick = SplashWindow::kTick);

}  // namespace app
