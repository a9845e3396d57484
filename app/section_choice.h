#pragma once
// A pile tab's third choice of section beside the square and round boxes: a
// section from the catalogue, in the combo box "SectionCombo" above the
// boxes. The three are exclusive: choosing a section clears both boxes,
// ticking a box drops the section. While a section is chosen the D field
// shows its size text and cannot be edited.
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "calc/pile.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace app {

class SectionChoice : public QObject {
    Q_OBJECT
public:
    SectionChoice(QWidget* tab, QCheckBox* square, QCheckBox* round, QLineEdit* sizeField);

    QComboBox* comboBox() const { return combo_; }
    const std::optional<calc::PileSection>& section() const { return section_; }
    // Chooses the section (one not in the catalogue, from a file, is added to
    // the list) or drops it.
    void setSection(const std::optional<calc::PileSection>& section);

signals:
    void changed();

private:
    void fill();
    void choose(int index);
    void apply(const std::optional<calc::PileSection>& section);

    QComboBox* combo_;
    QCheckBox* square_;
    QCheckBox* round_;
    QLineEdit* sizeField_;
    std::vector<calc::PileSection> choices_;  // item i + 1
    std::optional<calc::PileSection> section_;
    QString typedSize_;  // the D text the section stands in for
};

}  // namespace app
