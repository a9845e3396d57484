#pragma once
// The main window's menu: หลัก (open, save, save as, the recently used pile
// files, printer set-up, leave the program), เครื่องมือ (the driving chart,
// the capacity check of a driving record, the table of pile sections, the driving records), On The Web (the maker's pages) and
// เกี่ยวกับ... (About). Every item carries its
// objectName; the main window connects the ones it serves.
#include <array>

class QAction;
class QMainWindow;

namespace app {

struct MenuActions {
    QAction* fileopen = nullptr;
    QAction* filesave = nullptr;
    QAction* filesaveas = nullptr;
    std::array<QAction*, 5> recent{};  // recent0..recent4, hidden until they name a file
    QAction* recentSeparator = nullptr;
    QAction* setprint = nullptr;
    QAction* exitme = nullptr;
    QAction* drivingchart = nullptr;
    QAction* capacitycheck = nullptr;
    QAction* sectiontable = nullptr;
    QAction* drivingrecords = nullptr;
    QAction* quelmara = nullptr;
    QAction* club = nullptr;
    QAction* crose = nullptr;
    QAction* shop = nullptr;
    QAction* download = nullptr;
    QAction* educate = nullptr;
    QAction* product = nullptr;
};

MenuActions buildMenuBar(QMainWindow* window);

}  // namespace app
