#include "app/menu_bar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <string>

#include "app/maker.h"

namespace app {

namespace {

QMenu* addMenu(QMainWindow* window, const char* name, const QString& caption)
{
    QMenu* menu = window->menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

MenuActions buildMenuBar(QMainWindow* window)
{
    MenuActions items;
    QMenu* main = addMenu(window, "main", QStringLiteral("หลัก"));
    main->setToolTipsVisible(true);  // a recent file's whole path
    items.fileopen = addItem(main, "fileopen", QStringLiteral("เปิด..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    items.filesave = addItem(main, "filesave", QStringLiteral("บันทึก"), QKeySequence(Qt::CTRL | Qt::Key_S));
    items.filesaveas = addItem(main, "filesaveas", QStringLiteral("บันทึกเป็น..."),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    items.recentSeparator = main->addSeparator();
    items.recentSeparator->setVisible(false);
    for (std::size_t i = 0; i < items.recent.size(); ++i) {
        items.recent[i] = addItem(main, ("recent" + std::to_string(i)).c_str(), QString());
        items.recent[i]->setVisible(false);
    }
    main->addSeparator();
    items.setprint = addItem(main, "setprint", QStringLiteral("ตั้งค่าเครื่องพิมพ์"), QKeySequence(Qt::CTRL | Qt::Key_P));
    items.exitme = addItem(main, "exitme", QStringLiteral("ออกจากโปรแกรม"), QKeySequence(Qt::CTRL | Qt::Key_C));

    QMenu* tools = addMenu(window, "tools", QStringLiteral("เครื่องมือ"));
    items.drivingchart = addItem(tools, "drivingchart", QStringLiteral("ตารางเกณฑ์การตอกตามระยะยก..."),
                                 QKeySequence(Qt::CTRL | Qt::Key_T));
    items.capacitycheck = addItem(tools, "capacitycheck", QStringLiteral("ตรวจสอบกำลังรับน้ำหนักจากผลการตอก..."));
    items.sectiontable = addItem(tools, "sectiontable", QStringLiteral("ตารางหน้าตัดเสาเข็ม..."));
    items.drivingrecords = addItem(tools, "drivingrecords", QStringLiteral("บันทึกการตอกเสาเข็ม..."),
                                   QKeySequence(Qt::CTRL | Qt::Key_R));

    QMenu* web = addMenu(window, "web", QStringLiteral("On The Web"));
    items.quelmara = addItem(web, "quelmara", QString::fromUtf8(maker::kSiteName));
    items.club = addItem(web, "club", QStringLiteral("Vostraleen Club"));
    items.crose = addItem(web, "crose", QStringLiteral("อบรม-สัมนา"));
    items.shop = addItem(web, "shop", QStringLiteral("เลือกซื้อสินค้า"));
    items.download = addItem(web, "download", QStringLiteral("ดาวน์โหลด"));
    items.educate = addItem(web, "educate", QStringLiteral("บทความ-ความรู้"));

    QMenu* about = addMenu(window, "about", QStringLiteral("เกี่ยวกับ..."));
    items.product = addItem(about, "product", QStringLiteral("เกี่ยวกับผลิตภัณฑ์"));
    return items;
}

}  // namespace app
