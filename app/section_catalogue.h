#pragma once
// The pile sections the window offers: the built-in catalogue and the user's
// own rows, which are kept with QSettings (their numbers with "."). One
// catalogue for the program; the tabs follow its changes.
#include <QObject>
#include <vector>

#include "calc/pile.h"
#include "calc/user_sections.h"

namespace app {

class SectionCatalogue : public QObject {
    Q_OBJECT
public:
    static SectionCatalogue& instance();

    // The user's rows as stored, in their order.
    std::vector<calc::SectionRow> userRows() const;
    // Stores the rows (each checked by the caller) and tells the tabs.
    void setUserRows(const std::vector<calc::SectionRow>& rows);

    // The built-in sections, then the user's, each with its area.
    std::vector<calc::PileSection> sections() const;

signals:
    void changed();

private:
    SectionCatalogue() = default;
};

}  // namespace app
