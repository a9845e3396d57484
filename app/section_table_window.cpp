#include "app/section_table_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <variant>

#include "app/section_catalogue.h"
#include "calc/numbers.h"
#include "calc/pile_sections.h"

namespace app {

namespace {

std::string separator() { return QLocale().decimalPoint().toStdString(); }
// A stored number text as the user types it, and back.
QString shown(const std::string& text) { return QString::fromStdString(calc::replaceAll(text, ".", separator())); }
std::string stored(const QLineEdit* field) { return calc::replaceAll(field->text().toStdString(), separator(), "."); }

QTableWidgetItem* cell(const std::string& text, bool builtIn)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (builtIn) item->setForeground(QColor(90, 90, 90));
    return item;
}

QLineEdit* lineEdit(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromUtf8(name));
    return edit;
}

}  // namespace

SectionTableWindow::SectionTableWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("SectionTable"));
    setWindowTitle(QStringLiteral("ตารางหน้าตัดเสาเข็ม"));
    rows_ = SectionCatalogue::instance().userRows();

    table_ = new QTableWidget(0, 5, this);
    table_->setObjectName(QStringLiteral("SectionRows"));
    table_->setHorizontalHeaderLabels({QStringLiteral("รหัส"), QStringLiteral("ชื่อหน้าตัด"), QStringLiteral("ขนาด"),
                                       QStringLiteral("พื้นที่ (ตร.ซม.)"), QStringLiteral("ที่มา")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &SectionTableWindow::loadSelected);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(buildForm());
    fillTable();
    showShape();
    resize(720, 640);
}

QWidget* SectionTableWindow::buildForm()
{
    auto* form = new QWidget;
    auto* fields = new QFormLayout(form);
    name_ = lineEdit("SectionName");
    shape_ = new QComboBox;
    shape_->setObjectName(QStringLiteral("SectionShape"));
    shape_->addItems({QStringLiteral("หน้าตัดใด ๆ (ไอ ฯลฯ) กำหนดพื้นที่เอง"), QStringLiteral("กลมกลวง (สปัน)"),
                      QStringLiteral("สี่เหลี่ยมมีรูกลม")});
    connect(shape_, &QComboBox::currentIndexChanged, this, &SectionTableWindow::showShape);
    size_ = lineEdit("SectionSize");
    first_ = lineEdit("SectionFirst");
    second_ = lineEdit("SectionSecond");
    sizeLabel_ = new QLabel(QStringLiteral("ขนาด (ข้อความ เช่น 24×24)"));
    firstLabel_ = new QLabel;
    secondLabel_ = new QLabel;
    fields->addRow(QStringLiteral("ชื่อหน้าตัด"), name_);
    fields->addRow(QStringLiteral("รูปหน้าตัด"), shape_);
    fields->addRow(sizeLabel_, size_);
    fields->addRow(firstLabel_, first_);
    fields->addRow(secondLabel_, second_);

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("เพิ่ม"));
    add->setObjectName(QStringLiteral("SectionAdd"));
    edit_ = new QPushButton(QStringLiteral("แก้ไข"));
    edit_->setObjectName(QStringLiteral("SectionEdit"));
    edit_->setToolTip(QStringLiteral("บันทึกค่าที่พิมพ์ลงในแถวที่เลือก"));
    delete_ = new QPushButton(QStringLiteral("ลบ"));
    delete_->setObjectName(QStringLiteral("SectionDelete"));
    auto* close = new QPushButton(QStringLiteral("ปิด"));
    close->setObjectName(QStringLiteral("SectionClose"));
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("SectionMessage"));
    message_->setWordWrap(true);  // a long reason wraps rather than squeezing the buttons
    QPalette red = message_->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    message_->setPalette(red);
    for (QPushButton* b : {add, edit_, delete_}) {
        b->setMinimumWidth(b->sizeHint().width());
        buttons->addWidget(b);
    }
    buttons->addWidget(message_, 1);
    buttons->addWidget(close);
    fields->addRow(buttons);
    connect(add, &QPushButton::clicked, this, &SectionTableWindow::addRow);
    connect(edit_, &QPushButton::clicked, this, &SectionTableWindow::editRow);
    connect(delete_, &QPushButton::clicked, this, &SectionTableWindow::deleteRow);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return form;
}

void SectionTableWindow::showShape()
{
    const auto shape = static_cast<calc::SectionShape>(shape_->currentIndex());
    const bool area = shape == calc::SectionShape::Area;
    firstLabel_->setText(area                                      ? QStringLiteral("พื้นที่หน้าตัด (ตร.ซม.)")
                         : shape == calc::SectionShape::HollowRound ? QStringLiteral("เส้นผ่านศูนย์กลางนอก D (ซม.)")
                                                                    : QStringLiteral("ขนาดด้าน D (ซม.)"));
    secondLabel_->setText(shape == calc::SectionShape::HollowRound ? QStringLiteral("ความหนาผนัง t (ซม.)")
                                                                   : QStringLiteral("เส้นผ่านศูนย์กลางรูกลาง d (ซม.)"));
    for (QWidget* w : {static_cast<QWidget*>(sizeLabel_), static_cast<QWidget*>(size_)}) w->setVisible(area);
    for (QWidget* w : {static_cast<QWidget*>(secondLabel_), static_cast<QWidget*>(second_)}) w->setVisible(!area);
}

void SectionTableWindow::fillTable()
{
    const auto builtIn = calc::builtInSections();
    std::vector<calc::PileSection> user;
    std::vector<std::string> names;
    for (const calc::SectionRow& row : rows_) {
        const auto made = calc::sectionOf(row, ".", names);
        user.push_back(std::holds_alternative<calc::PileSection>(made) ? std::get<calc::PileSection>(made)
                                                                       : calc::PileSection{row.name, row.name, "", "?"});
        names.push_back(row.name);
    }
    table_->setRowCount(static_cast<int>(builtIn.size() + user.size()));
    int r = 0;
    const auto put = [&](const calc::PileSection& s, bool isBuiltIn) {
        const std::string area = calc::replaceAll(s.area, ".", separator());
        const char* origin = isBuiltIn ? "ในโปรแกรม" : "ผู้ใช้";
        const std::string texts[] = {s.id, s.name, s.size, area, origin};
        for (int c = 0; c < 5; ++c) table_->setItem(r, c, cell(texts[c], isBuiltIn));
        ++r;
    };
    for (const calc::PileSection& s : builtIn) put(s, true);
    for (const calc::PileSection& s : user) put(s, false);
    loadSelected();
}

int SectionTableWindow::selectedUserRow() const
{
    const int row = table_->currentRow();
    if (row < 0 || table_->selectedItems().isEmpty()) return -1;
    const int index = row - static_cast<int>(calc::builtInSections().size());
    return index >= 0 && index < static_cast<int>(rows_.size()) ? index : -1;
}

void SectionTableWindow::loadSelected()
{
    const int index = selectedUserRow();
    edit_->setEnabled(index >= 0);
    delete_->setEnabled(index >= 0);
    if (index < 0) return;
    const calc::SectionRow& row = rows_[static_cast<std::size_t>(index)];
    name_->setText(QString::fromStdString(row.name));
    shape_->setCurrentIndex(static_cast<int>(row.shape));
    size_->setText(QString::fromStdString(row.size));
    first_->setText(shown(row.first));
    second_->setText(shown(row.second));
    message_->clear();
}

calc::SectionRow SectionTableWindow::typedRow() const
{
    const auto shape = static_cast<calc::SectionShape>(shape_->currentIndex());
    return {name_->text().trimmed().toStdString(), shape,
            shape == calc::SectionShape::Area ? size_->text().trimmed().toStdString() : std::string(), stored(first_),
            shape == calc::SectionShape::Area ? std::string() : stored(second_)};
}

void SectionTableWindow::store(const calc::SectionRow& row, int index)
{
    std::vector<std::string> taken;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (static_cast<int>(i) != index) taken.push_back(rows_[i].name);
    const auto made = calc::sectionOf(row, ".", taken);
    if (const auto* reason = std::get_if<std::string>(&made)) {
        message_->setText(QString::fromStdString(*reason));
        return;
    }
    if (index < 0) rows_.push_back(row);
    else rows_[static_cast<std::size_t>(index)] = row;
    SectionCatalogue::instance().setUserRows(rows_);
    message_->clear();
    fillTable();
    table_->selectRow(static_cast<int>(calc::builtInSections().size()) + (index < 0 ? static_cast<int>(rows_.size()) - 1 : index));
}

void SectionTableWindow::addRow() { store(typedRow(), -1); }

void SectionTableWindow::editRow()
{
    const int index = selectedUserRow();
    if (index >= 0) store(typedRow(), index);
}

void SectionTableWindow::deleteRow()
{
    const int index = selectedUserRow();
    if (index < 0) return;
    rows_.erase(rows_.begin() + index);
    SectionCatalogue::instance().setUserRows(rows_);
    table_->clearSelection();
    fillTable();
}

}  // namespace app
