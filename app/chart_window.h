#pragma once
// ChartWindow: the driving chart of the formula tabs as they stand. The
// drop-height range (from, to, step in cm), an optional list of hammer
// weights and the formulas to include are its own inputs; a change to them
// or to any tab's fields or boxes updates the table and the chart. Under the
// table stand the workable drop heights of each formula and hammer, shaded
// on the chart as well. It
// prints through CommonDialog1, writes the same pages as a PDF, and exports
// the table as CSV.
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "calc/driving_chart.h"

class QChartView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace app {

class ChartTableModel;
class CommonDialog;
class MainWindow;

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChartWindow(MainWindow& main);

    // The hammer weights of the list: texts separated by blanks or ";".
    static QStringList hammerTexts(const QString& list);

    // What the window shows now: the request last computed and its chart.
    const calc::ChartRequest& request() const { return request_; }
    const calc::DrivingChart& chart() const { return chart_; }

    // The same pages as the print, into `path`; the CSV of the table.
    bool writePdf(const QString& path) const;
    bool writeCsv(const QString& path) const;

public slots:
    // Reads the inputs and the tabs and rebuilds table and chart; an unusable
    // range or hammer list is told beside the inputs and keeps the last table.
    void refresh();

private:
    void buildInputs(QWidget* box);
    void scheduleRefresh();
    void print();
    void savePdf();
    void saveCsv();

    MainWindow& main_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* step_ = nullptr;
    QLineEdit* hammers_ = nullptr;
    std::array<QCheckBox*, 4> formulas_{};
    QLabel* message_ = nullptr;
    QLabel* workable_ = nullptr;  // the workable drop heights, a line per formula and hammer
    QLabel* failures_ = nullptr;
    QTableView* table_ = nullptr;
    ChartTableModel* model_ = nullptr;
    QChartView* view_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* csv_ = nullptr;
    QTimer* pending_ = nullptr;

    calc::ChartRequest request_;
    calc::DrivingChart chart_;
    bool shown_ = false;  // a table has been computed
    std::vector<qsizetype> sizedFor_;  // the longest texts the columns were last sized for
};

// Opens the driving chart of `main`: a new window, or the one already open
// brought to the front.
ChartWindow* showChartWindow(MainWindow& main);

inline constexpr const char* kChartWindowTitle = "ตารางเกณฑ์การตอกตามระยะยก";

}  // namespace app
