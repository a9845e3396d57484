#pragma once
// The records table: a row per record of the store, the columns of
// calc::recordHeaders, each record checked against the tabs as they stand.
// A record's edit re-checks that record only; a tab or the acceptance
// settings re-check them all. The status cell is coloured (meets green,
// fails red, the rest grey); SortRole gives numbers as numbers.
#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "calc/pile_file.h"
#include "calc/record_check.h"

namespace app {

class RecordsStore;

class RecordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int SortRole = Qt::UserRole + 1;
    static constexpr int StatusRole = Qt::UserRole + 2;  // the status name, "meets"

    // `document`: the tabs as they stand and the store's records.
    RecordsModel(RecordsStore& store, std::function<calc::PileDocument()> document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<calc::RecordCheck>& checks() const { return checks_; }
    std::string decimalSeparator() const { return separator_; }

public slots:
    void recheckAll();

signals:
    void rechecked();  // after any re-check: the counts may have changed

private:
    void recheck(int row);

    RecordsStore& store_;
    std::function<calc::PileDocument()> document_;
    std::vector<calc::RecordCheck> checks_;
    std::string separator_ = ".";
};

}  // namespace app
