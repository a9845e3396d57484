#pragma once
// The driving chart's table for a QTableView: drop height (and hammer), the
// ten-blow set and blows per 30 cm of each formula with columns, and the
// governing blows and formula; the texts of calc::chartTableTexts.
#include <QAbstractTableModel>

#include "calc/driving_chart.h"

namespace app {

class ChartTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChartTableModel(QObject* parent = nullptr);

    void setChart(const calc::DrivingChart& chart);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList header_;
    std::vector<QStringList> rows_;
    std::vector<std::vector<bool>> markers_;  // by row and column: a marker, not a number
    int firstGoverning_ = 0;
};

}  // namespace app
