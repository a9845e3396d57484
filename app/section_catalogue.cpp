#include "app/section_catalogue.h"

#include <QSettings>
#include <variant>

#include "app/maker.h"
#include "calc/pile_sections.h"

namespace app {

namespace {

const QString kArray = QStringLiteral("pileSections");

QSettings settings()
{
    return QSettings(QSettings::UserScope, QString::fromUtf8(maker::kSiteName), QString::fromUtf8(maker::kProgramName));
}

std::string text(const QSettings& s, const char* key) { return s.value(QLatin1String(key)).toString().toStdString(); }

}  // namespace

SectionCatalogue& SectionCatalogue::instance()
{
    static SectionCatalogue catalogue;
    return catalogue;
}

std::vector<calc::SectionRow> SectionCatalogue::userRows() const
{
    QSettings s = settings();
    std::vector<calc::SectionRow> rows;
    const int count = s.beginReadArray(kArray);
    for (int i = 0; i < count; ++i) {
        s.setArrayIndex(i);
        const int shape = s.value(QStringLiteral("shape")).toInt();
        rows.push_back({text(s, "name"),
                        shape == 1 ? calc::SectionShape::HollowRound
                        : shape == 2 ? calc::SectionShape::HollowSquare
                                     : calc::SectionShape::Area,
                        text(s, "size"), text(s, "first"), text(s, "second")});
    }
    s.endArray();
    return rows;
}

void SectionCatalogue::setUserRows(const std::vector<calc::SectionRow>& rows)
{
    QSettings s = settings();
    s.remove(kArray);
    s.beginWriteArray(kArray, static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        s.setArrayIndex(static_cast<int>(i));
        s.setValue(QStringLiteral("name"), QString::fromStdString(rows[i].name));
        s.setValue(QStringLiteral("shape"), static_cast<int>(rows[i].shape));
        s.setValue(QStringLiteral("size"), QString::fromStdString(rows[i].size));
        s.setValue(QStringLiteral("first"), QString::fromStdString(rows[i].first));
        s.setValue(QStringLiteral("second"), QString::fromStdString(rows[i].second));
    }
    s.endArray();
    s.sync();
    emit changed();
}

std::vector<calc::PileSection> SectionCatalogue::sections() const
{
    std::vector<calc::PileSection> all(calc::builtInSections().begin(), calc::builtInSections().end());
    // A stored row that no longer passes (edited by hand) is left out.
    std::vector<std::string> names;
    for (const calc::SectionRow& row : userRows()) {
        const auto made = calc::sectionOf(row, ".", names);
        if (const auto* section = std::get_if<calc::PileSection>(&made)) {
            all.push_back(*section);
            names.push_back(row.name);
        }
    }
    return all;
}

}  // namespace app
