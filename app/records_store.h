#pragma once
// RecordsStore: the open pile file's driving records and acceptance settings,
// owned by the main window beside its tabs. Edits go through an undo stack
// (record edits, additions, deletions and the settings); opening a file
// replaces everything and clears the stack. The stack's clean state is the
// state last saved or opened.
#include <QObject>
#include <vector>

#include "calc/pile_record.h"

class QUndoStack;

namespace app {

class RecordsStore : public QObject {
    Q_OBJECT
public:
    explicit RecordsStore(QObject* parent = nullptr);

    const std::vector<calc::PileRecord>& records() const { return records_; }
    const calc::AcceptanceSettings& acceptance() const { return acceptance_; }
    bool acceptanceGiven() const { return acceptanceGiven_; }
    QUndoStack* undoStack() const { return undo_; }

    // A new file's content: no undo history, clean.
    void replaceAll(std::vector<calc::PileRecord> records, calc::AcceptanceSettings acceptance, bool given);
    void markSaved();

    // Undoable edits. `field` tells apart the edits of one record that merge
    // (typing in one field); -1 never merges.
    void editRecord(int index, const calc::PileRecord& record, int field = -1);
    void addRecord(int index, const calc::PileRecord& record);
    void deleteRecord(int index);
    void editAcceptance(const calc::AcceptanceSettings& settings, int field = -1);

    // What the undo commands do.
    void setRecord(int index, const calc::PileRecord& record);
    void insertRecord(int index, const calc::PileRecord& record);
    void removeRecord(int index);
    void setAcceptance(const calc::AcceptanceSettings& settings, bool given);

signals:
    void reset();  // everything replaced
    void recordChanged(int index);
    void recordInserted(int index);
    void recordRemoved(int index);
    void acceptanceChanged();
    void changed();  // any of the above but reset

private:
    std::vector<calc::PileRecord> records_;
    calc::AcceptanceSettings acceptance_;
    bool acceptanceGiven_ = false;
    QUndoStack* undo_ = nullptr;
};

}  // namespace app
