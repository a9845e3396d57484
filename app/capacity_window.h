#pragma once
// The capacity check of a driving record: the record's drop height and its
// set (of the last ten blows, or the blows per 30 cm) in; for each tab the
// load the record proves, the tab's required load and the verdict, or the
// tab's message; the bearing graph; print and save as PDF. It follows the
// tabs' inputs and its own as they change, without a button: the lines at
// once, the graph when the event loop next runs (once for a burst of keys
// or a file's many fields). Not modal.
#include <QWidget>
#include <array>
#include <vector>

#include "report/capacity_report.h"

class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace app {

class CommonDialog;
class FormulaTab;

class CapacityWindow : public QWidget {
    Q_OBJECT
public:
    CapacityWindow(std::vector<FormulaTab*> tabs, CommonDialog& dialog, QWidget* parent = nullptr);

    // What the window shows now.
    const report::CapacityStudy& study() const { return study_; }
    // The report of what the window shows now, as a PDF at `path`.
    bool writePdf(const QString& path) const;

public slots:
    void refresh();
    void printReport();
    void savePdf();

private:
    struct Row {
        QLabel* qu;
        QLabel* safeLoad;
        QLabel* required;
        QLabel* verdict;
        QLabel* message;
    };

    QWidget* buildRecord();
    QWidget* buildResults();
    QWidget* buildGraph();
    calc::DrivingRecord record() const;
    void showRow(Row& row, const report::CapacityEntry& entry);
    void redrawGraph();

    std::vector<FormulaTab*> tabs_;
    CommonDialog& dialog_;
    report::CapacityStudy study_;

    QLineEdit* height_ = nullptr;
    QRadioButton* tenBlows_ = nullptr;
    QRadioButton* perFoot_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLabel* recordMessage_ = nullptr;
    std::vector<Row> rows_;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    QChartView* chartView_ = nullptr;
    QTimer* graphDue_ = nullptr;
};

}  // namespace app
