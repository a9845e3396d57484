// A third floor, for comparison only: what Qt alone costs for a main window of
// the program's kinds and numbers of controls, with Thai texts and none of the
// program's code, pictures or splash. Four tabs of fields (5, 9, 8 and 7, each
// a caption, a line edit and a unit), the pile boxes, a section list, three
// buttons and two wrapped result lines; a menu bar of five menus and a status
// line. Watched and closed like the bare window.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "bench/first_paint_observer.h"

namespace {

QWidget* tab(int fields)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (int i = 0; i < fields; ++i) {
        grid->addWidget(new QLabel(QStringLiteral("น้ำหนักบรรทุกปลอดภัยที่ต้องการ (ตัน) %1").arg(i)), i, 0);
        grid->addWidget(new QLineEdit(QStringLiteral("30")), i, 1);
        grid->addWidget(new QLabel(QStringLiteral("ซม.")), i, 2);
    }
    int row = fields;
    for (const char* box : {"คอนกรีตเสริมเหล็ก", "คอนกรีตอัดแรง", "สี่เหลี่ยม", "กลม"})
        grid->addWidget(new QCheckBox(QString::fromUtf8(box)), row++, 0);
    auto* sections = new QComboBox;
    sections->addItems({QStringLiteral("I-0.18"), QStringLiteral("I-0.22"), QStringLiteral("สี่เหลี่ยม 0.30")});
    grid->addWidget(sections, row++, 1);
    for (const char* button : {"คำนวณ", "พิมพ์", "ล้างข้อมูล"})
        grid->addWidget(new QPushButton(QString::fromUtf8(button)), row, grid->columnCount() > 2 ? 2 : 1);
    for (int i = 0; i < 2; ++i) {
        auto* result = new QLabel(QStringLiteral("ค่าการทรุดตัวเฉลี่ยของการตอก 10 ครั้งสุดท้าย ต้องไม่เกิน  2.14 ซม."));
        result->setWordWrap(true);
        grid->addWidget(result, ++row, 0, 1, 3);
    }
    return page;
}

}  // namespace

int main(int argc, char* argv[])
{
    return bench::showFloor(argc, argv, [] {
        auto window = std::make_unique<QMainWindow>();
        for (const char* menu : {"แฟ้ม", "แก้ไข", "เครื่องมือ", "หน้าต่าง", "วิธีใช้"}) {
            QMenu* m = window->menuBar()->addMenu(QString::fromUtf8(menu));
            for (int i = 0; i < 5; ++i) m->addAction(QStringLiteral("รายการที่ %1").arg(i));
        }
        window->statusBar()->addWidget(new QLabel(QStringLiteral("พร้อม")));
        auto* tabs = new QTabWidget;
        const int fields[] = {5, 9, 8, 7};
        const char* names[] = {"Engineering News Formular", "Hiley's Formular", "Danish's Formular",
                               "Janbu's Formular"};
        for (int i = 0; i < 4; ++i) tabs->addTab(tab(fields[i]), QString::fromUtf8(names[i]));
        window->setCentralWidget(tabs);
        window->resize(800, 600);
        return window;
    });
}
