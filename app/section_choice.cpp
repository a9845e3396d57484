#include "app/section_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "app/section_catalogue.h"
#include "app/twips.h"

namespace app {

namespace {

constexpr int kLeft = 240, kTop = 360, kWidth = 4095, kHeight = 315;

QString itemText(const calc::PileSection& s)
{
    return QString::fromStdString(s.name) + QStringLiteral("  (") + QString::fromStdString(s.area)
           + QStringLiteral(" ตร.ซม.)");
}

}  // namespace

SectionChoice::SectionChoice(QWidget* tab, QCheckBox* square, QCheckBox* round, QLineEdit* sizeField)
    : QObject(tab), combo_(new QComboBox(tab)), square_(square), round_(round), sizeField_(sizeField)
{
    combo_->setObjectName(QStringLiteral("SectionCombo"));
    combo_->setGeometry(twipsRect(kLeft, kTop, kWidth, kHeight));
    combo_->setToolTip(QStringLiteral("หน้าตัดจากตาราง (เสาเข็มไอ สปัน หรือของผู้ใช้) แทนหน้าตัดสี่เหลี่ยมหรือกลม"));
    combo_->setMaxVisibleItems(20);
    fill();
    connect(combo_, &QComboBox::activated, this, &SectionChoice::choose);
    for (QCheckBox* box : {square_, round_})
        connect(box, &QCheckBox::toggled, this, [this](bool checked) {
            if (checked && section_) setSection(std::nullopt);
        });
    connect(&SectionCatalogue::instance(), &SectionCatalogue::changed, this, &SectionChoice::fill);
}

void SectionChoice::fill()
{
    choices_ = SectionCatalogue::instance().sections();
    if (section_ && std::ranges::find(choices_, *section_) == choices_.end()) choices_.push_back(*section_);
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    combo_->addItem(QStringLiteral("หน้าตัดตามขนาด D (สี่เหลี่ยม / กลม)"));
    for (const calc::PileSection& s : choices_) combo_->addItem(itemText(s));
    const auto it = section_ ? std::ranges::find(choices_, *section_) : choices_.end();
    combo_->setCurrentIndex(it == choices_.end() ? 0 : static_cast<int>(it - choices_.begin()) + 1);
}

void SectionChoice::choose(int index)
{
    if (index <= 0) setSection(std::nullopt);
    else setSection(choices_.at(static_cast<std::size_t>(index - 1)));
}

void SectionChoice::setSection(const std::optional<calc::PileSection>& section)
{
    if (section == section_) {
        fill();
        return;
    }
    apply(section);
    fill();
    emit changed();
}

void SectionChoice::apply(const std::optional<calc::PileSection>& section)
{
    if (section && !section_) typedSize_ = sizeField_->text();
    const bool dropped = section_ && !section;
    section_ = section;
    if (section_) {
        square_->setChecked(false);
        round_->setChecked(false);
        sizeField_->setText(QString::fromStdString(section_->size));
    } else if (dropped) {
        // A file saved with a section holds its size text in D, not a number to give back.
        sizeField_->setText(typedSize_ == sizeField_->text() ? QString() : typedSize_);
    }
    sizeField_->setReadOnly(section_.has_value());
    sizeField_->setToolTip(section_ ? QStringLiteral("ขนาดของหน้าตัดที่เลือก (แก้ไขไม่ได้)") : QString());
}

}  // namespace app
