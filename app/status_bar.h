#pragma once
// StatusBar1: today's date, the program's name (also its tool tip) and a
// small picture.
class QMainWindow;

namespace app {

void buildStatusBar(QMainWindow* window);

}  // namespace app
