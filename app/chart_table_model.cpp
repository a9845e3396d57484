#include "app/chart_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "calc/formula_names.h"

namespace app {

namespace {

// Header texts break after the formula's name, or after their first word,
// so that columns stay narrow.
QString headerText(const std::string& text)
{
    QString header = QString::fromStdString(text);
    int space = header.indexOf(QLatin1Char(' '));
    for (calc::Formula formula :
         {calc::Formula::EngineeringNews, calc::Formula::Hiley, calc::Formula::Danish, calc::Formula::Janbu}) {
        const QString name = QString::fromUtf8(calc::shortFormulaName(formula)) + QLatin1Char(' ');
        if (header.startsWith(name)) space = static_cast<int>(name.size()) - 1;
    }
    if (space > 0) header[space] = QLatin1Char('\n');
    return header;
}

}  // namespace

ChartTableModel::ChartTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ChartTableModel::setChart(const calc::DrivingChart& chart)
{
    beginResetModel();
    const calc::ChartTableTexts table = calc::chartTableTexts(chart, chart.decimalSeparator);
    header_.clear();
    for (const std::string& text : table.header) header_ << headerText(text);
    rows_.clear();
    markers_.clear();
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        QStringList cells;
        std::vector<bool> markers;
        for (const std::string& cell : table.rows[r]) cells << QString::fromStdString(cell);
        // Which cells are markers, from the chart's own outcomes.
        markers.assign(cells.size(), false);
        int column = chart.hammers.empty() ? 1 : 2;
        for (std::size_t c = 0; c < chart.columns.size(); ++c) {
            if (!chart.columns[c].hasColumns) continue;
            const bool marker = !chart.rows[r].cells[c].hasNumbers();
            markers[static_cast<std::size_t>(column)] = markers[static_cast<std::size_t>(column + 1)] = marker;
            column += 2;
        }
        rows_.push_back(cells);
        markers_.push_back(std::move(markers));
    }
    firstGoverning_ = static_cast<int>(header_.size()) - 2;
    endResetModel();
}

int ChartTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChartTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant ChartTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: return column < static_cast<std::size_t>(rows_[row].size()) ? rows_[row][index.column()] : QVariant();
    case Qt::TextAlignmentRole:
        return markers_[row][column] ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (markers_[row][column]) return QBrush(QColor(0xb0, 0x30, 0x20));
        return {};
    case Qt::FontRole:
        if (index.column() >= firstGoverning_) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

QVariant ChartTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < header_.size() ? header_[section] : QVariant();
}

}  // namespace app
