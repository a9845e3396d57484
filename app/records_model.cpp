#include "app/records_model.h"

#include <QBrush>
#include <QColor>
#include <array>
#include <limits>

#include "app/records_store.h"
#include "calc/numbers.h"

namespace app {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

bool numeric(int column)
{
    switch (column) {
    case calc::kHammerColumn:
    case calc::kDropColumn:
    case calc::kDepthColumn:
    case calc::kLastSetColumn:
    case calc::kCriterionSetColumn:
    case calc::kLastBlowsColumn:
    case calc::kCriterionBlowsColumn:
    case calc::kSafeLoadColumn: return true;
    default: return false;
    }
}

}  // namespace

RecordsModel::RecordsModel(RecordsStore& store, std::function<calc::PileDocument()> document, QObject* parent)
    : QAbstractTableModel(parent), store_(store), document_(std::move(document))
{
    connect(&store_, &RecordsStore::reset, this, [this] {
        beginResetModel();
        checks_.clear();
        endResetModel();
        recheckAll();
    });
    connect(&store_, &RecordsStore::acceptanceChanged, this, &RecordsModel::recheckAll);
    connect(&store_, &RecordsStore::recordChanged, this, &RecordsModel::recheck);
    connect(&store_, &RecordsStore::recordInserted, this, [this](int row) {
        beginInsertRows({}, row, row);
        checks_.insert(checks_.begin() + row, calc::RecordCheck{});
        endInsertRows();
        recheck(row);
    });
    connect(&store_, &RecordsStore::recordRemoved, this, [this](int row) {
        beginRemoveRows({}, row, row);
        checks_.erase(checks_.begin() + row);
        endRemoveRows();
        emit rechecked();
    });
    recheckAll();
}

void RecordsModel::recheckAll()
{
    const calc::PileDocument document = document_();
    const bool sameRows = document.records.size() == checks_.size();
    if (!sameRows) beginResetModel();
    separator_ = document.decimalSeparator;
    checks_ = calc::checkRecords(document);
    if (!sameRows) endResetModel();
    else if (!checks_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, calc::kRecordColumnCount - 1));
    emit rechecked();
}

void RecordsModel::recheck(int row)
{
    const calc::PileDocument document = document_();
    checks_.at(static_cast<std::size_t>(row)) =
        calc::RecordChecker(document).check(document.records.at(static_cast<std::size_t>(row)));
    emit dataChanged(index(row, 0), index(row, calc::kRecordColumnCount - 1));
    emit rechecked();
}

int RecordsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(checks_.size());
}

int RecordsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : calc::kRecordColumnCount; }

QVariant RecordsModel::data(const QModelIndex& index, int role) const
{
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= checks_.size() || row >= store_.records().size()) return {};
    const calc::RecordCheck& check = checks_[row];
    const int column = index.column();
    if (role == StatusRole) return QString::fromUtf8(calc::statusName(check.status));
    if (role == Qt::ToolTipRole && check.message) return qs(*check.message);
    if (role == Qt::TextAlignmentRole && numeric(column)) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (column == calc::kStatusColumn && (role == Qt::ForegroundRole || role == Qt::BackgroundRole)) {
        const bool fg = role == Qt::ForegroundRole;
        switch (check.status) {
        case calc::RecordStatus::Meets: return QBrush(fg ? QColor(0x1e7b34) : QColor(0xdff3e3));
        case calc::RecordStatus::Fails: return QBrush(fg ? QColor(0xa31515) : QColor(0xfadbd8));
        default: return QBrush(fg ? QColor(0x555555) : QColor(0xe8e8e8));
        }
    }
    if (role != Qt::DisplayRole && role != SortRole) return {};
    const std::string text = calc::recordCells(store_.records()[row], check).at(static_cast<std::size_t>(column));
    if (role == SortRole && numeric(column)) {
        std::string plain = text;
        if (plain.size() > 2 && plain.front() == '(') plain = plain.substr(1, plain.size() - 2);
        const std::optional<float> value = calc::textToNumber(plain, separator_);
        return value ? double(*value) : -std::numeric_limits<double>::infinity();
    }
    return qs(text);
}

QVariant RecordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    // On two lines, to keep the columns narrow.
    static const std::array<const char*, calc::kRecordColumnCount> kHeaders{
        "หมายเลข\nเสาเข็ม", "ตำแหน่ง", "วันที่", "ลูกตุ้ม\n(ตัน)", "ระยะยก\n(ซม.)", "ความลึก\n(ม.)",
        "ทรุดตัว 10 ครั้ง\nสุดท้าย (ซม.)", "เกณฑ์ 10 ครั้ง\n(ซม.)", "ครั้ง/30 ซม.\nสุดท้าย", "เกณฑ์\nครั้ง/30 ซม.",
        "น้ำหนักปลอดภัย\nที่พิสูจน์ได้ (ตัน)", "ผล", "ข้อสังเกต"};
    return QString::fromUtf8(kHeaders.at(static_cast<std::size_t>(section)));
}

}  // namespace app
