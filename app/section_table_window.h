#pragma once
// ตารางหน้าตัดเสาเข็ม: the built-in sections (read-only) and the user's own,
// which can be added, edited and deleted. A user row is an area typed for any
// shape, a hollow round pile (outside diameter and wall) or a hollow square
// pile (side and round core); a bad row gets its Thai reason beside the
// buttons and is not stored. Not modal.
#include <QWidget>
#include <vector>

#include "calc/user_sections.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace app {

class SectionTableWindow : public QWidget {
    Q_OBJECT
public:
    explicit SectionTableWindow(QWidget* parent = nullptr);

public slots:
    void addRow();
    void editRow();
    void deleteRow();

private:
    QWidget* buildForm();
    void fillTable();
    void showShape();
    void loadSelected();
    int selectedUserRow() const;  // index into the user's rows, or -1
    calc::SectionRow typedRow() const;
    // Stores `rows` when `row` (at `index`, or new at -1) passes; else shows why.
    void store(const calc::SectionRow& row, int index);

    std::vector<calc::SectionRow> rows_;  // the user's rows, "." as separator
    QTableWidget* table_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* shape_ = nullptr;
    QLineEdit* size_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QLabel* firstLabel_ = nullptr;
    QLabel* secondLabel_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace app
