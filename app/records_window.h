#pragma once
// RecordsWindow: the open pile file's driving records, each checked against
// the criterion at the hammer and drop it was driven with. The acceptance
// settings and the project in the header; the table (sortable, filtered by
// status) with the counts and the depth driven under it; the selected
// record's fields beside it, its verdict and its penetration graph. Records
// are added, duplicated (the next mark) and deleted; every edit updates its
// row at once and can be undone (Ctrl+Z) and redone (Ctrl+Shift+Z). A change
// to a tab re-checks every record; opening another file shows its records.
#include <QWidget>
#include <array>

#include "calc/pile_record.h"

class QChartView;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace app {

class MainWindow;
class RecordsModel;
class RecordsStore;

inline constexpr const char* kRecordsWindowTitle = "บันทึกการตอกเสาเข็ม";

class RecordsWindow : public QWidget {
    Q_OBJECT
public:
    RecordsWindow(MainWindow& main, RecordsStore& store);

    RecordsModel* model() const { return model_; }
    // The record shown in the form, by its index in the store; -1 for none.
    int currentRecord() const;
    void selectRecord(int index);

public slots:
    void addRecord();
    void duplicateRecord();
    void deleteRecord();

private:
    QWidget* buildHeader();
    QWidget* buildTable();
    QWidget* buildForm();
    void showSettings();
    void settingsEdited(int field);
    void showRecord();
    void formEdited(int field);
    void showCounts();
    void showVerdict();

    MainWindow& main_;
    RecordsStore& store_;
    RecordsModel* model_ = nullptr;
    QSortFilterProxyModel* proxy_ = nullptr;
    QTableView* table_ = nullptr;
    QComboBox* formula_ = nullptr;
    QLineEdit* setsRequired_ = nullptr;
    QLineEdit* project_ = nullptr;
    QComboBox* filter_ = nullptr;
    QLabel* counts_ = nullptr;
    // mark, location, date, hammer, drop, depth, blows, sets, inspector, remarks
    std::array<QLineEdit*, 10> fields_{};
    QLabel* markProblem_ = nullptr;
    QLabel* verdict_ = nullptr;
    QChartView* graph_ = nullptr;
    QPushButton* duplicate_ = nullptr;
    QPushButton* delete_ = nullptr;
    QHBoxLayout* undoButtons_ = nullptr;  // undo and redo
    bool filling_ = false;  // the form or header is being set, not edited
    bool editing_ = false;  // the form's own edit is being stored
};

// Opens the records window of `main`: a new one, or the open one raised.
RecordsWindow* showRecordsWindow(MainWindow& main);

}  // namespace app
