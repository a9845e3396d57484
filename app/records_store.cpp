#include "app/records_store.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <utility>

namespace app {

namespace {

class EditRecord : public QUndoCommand {
public:
    EditRecord(RecordsStore& store, int index, calc::PileRecord after, int field)
        : store_(store), index_(index), field_(field), before_(store.records().at(static_cast<std::size_t>(index))),
          after_(std::move(after))
    {
        setText(QStringLiteral("แก้ไข %1").arg(QString::fromStdString(before_.mark)));
    }
    void undo() override { store_.setRecord(index_, before_); }
    void redo() override { store_.setRecord(index_, after_); }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const EditRecord*>(other);
        if (field_ < 0 || next->field_ != field_ || next->index_ != index_) return false;
        after_ = next->after_;
        return true;
    }

private:
    RecordsStore& store_;
    int index_, field_;
    calc::PileRecord before_, after_;
};

// An addition, or (`add` false) a deletion, of one record.
class AddRecord : public QUndoCommand {
public:
    AddRecord(RecordsStore& store, int index, calc::PileRecord record, bool add)
        : store_(store), index_(index), record_(std::move(record)), add_(add)
    {
        setText((add ? QStringLiteral("เพิ่ม %1") : QStringLiteral("ลบ %1")).arg(QString::fromStdString(record_.mark)));
    }
    void undo() override { add_ ? store_.removeRecord(index_) : store_.insertRecord(index_, record_); }
    void redo() override { add_ ? store_.insertRecord(index_, record_) : store_.removeRecord(index_); }

private:
    RecordsStore& store_;
    int index_;
    calc::PileRecord record_;
    bool add_;
};

class EditAcceptance : public QUndoCommand {
public:
    EditAcceptance(RecordsStore& store, calc::AcceptanceSettings after, int field)
        : store_(store), field_(field), before_(store.acceptance()), beforeGiven_(store.acceptanceGiven()),
          after_(std::move(after))
    {
        setText(QStringLiteral("แก้ไขเกณฑ์การยอมรับ"));
    }
    void undo() override { store_.setAcceptance(before_, beforeGiven_); }
    void redo() override { store_.setAcceptance(after_, true); }
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const EditAcceptance*>(other);
        if (field_ < 0 || next->field_ != field_) return false;
        after_ = next->after_;
        return true;
    }

private:
    RecordsStore& store_;
    int field_;
    calc::AcceptanceSettings before_;
    bool beforeGiven_;
    calc::AcceptanceSettings after_;
};

}  // namespace

RecordsStore::RecordsStore(QObject* parent) : QObject(parent), undo_(new QUndoStack(this)) {}

void RecordsStore::replaceAll(std::vector<calc::PileRecord> records, calc::AcceptanceSettings acceptance, bool given)
{
    records_ = std::move(records);
    acceptance_ = std::move(acceptance);
    acceptanceGiven_ = given;
    undo_->clear();
    emit reset();
}

void RecordsStore::markSaved() { undo_->setClean(); }

void RecordsStore::editRecord(int index, const calc::PileRecord& record, int field)
{
    if (records_.at(static_cast<std::size_t>(index)) == record) return;
    undo_->push(new EditRecord(*this, index, record, field));
}

void RecordsStore::addRecord(int index, const calc::PileRecord& record)
{
    undo_->push(new AddRecord(*this, index, record, true));
}

void RecordsStore::deleteRecord(int index)
{
    undo_->push(new AddRecord(*this, index, records_.at(static_cast<std::size_t>(index)), false));
}

void RecordsStore::editAcceptance(const calc::AcceptanceSettings& settings, int field)
{
    if (acceptanceGiven_ && settings == acceptance_) return;
    undo_->push(new EditAcceptance(*this, settings, field));
}

void RecordsStore::setRecord(int index, const calc::PileRecord& record)
{
    records_.at(static_cast<std::size_t>(index)) = record;
    emit recordChanged(index);
    emit changed();
}

void RecordsStore::insertRecord(int index, const calc::PileRecord& record)
{
    records_.insert(records_.begin() + index, record);
    emit recordInserted(index);
    emit changed();
}

void RecordsStore::removeRecord(int index)
{
    records_.erase(records_.begin() + index);
    emit recordRemoved(index);
    emit changed();
}

void RecordsStore::setAcceptance(const calc::AcceptanceSettings& settings, bool given)
{
    acceptance_ = settings;
    acceptanceGiven_ = given;
    emit acceptanceChanged();
    emit changed();
}

}  // namespace app
