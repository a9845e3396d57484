#include "cli/sections.h"

#include "calc/numbers.h"
#include "calc/pile_sections.h"
#include "report/page_json.h"

namespace cli {

std::optional<UsageError> resolveSection(Request& request, std::string_view decimalSeparator)
{
    if (request.sectionId) {
        const calc::PileSection* section = calc::findBuiltInSection(*request.sectionId);
        if (!section) return UsageError{"unknown section '" + *request.sectionId + "' (see 'blowcount-cli sections')"};
        request.section = *section;
    }
    if (request.area) {
        const std::optional<float> area = calc::textToNumber(*request.area, decimalSeparator);
        if (!area || !(*area > 0))
            return UsageError{"'--area' needs a number greater than 0, not '" + *request.area + "'"};
        request.section = calc::PileSection{calc::kCustomSectionName, calc::kCustomSectionName, "",
                                            calc::replaceAll(*request.area, decimalSeparator, ".")};
    }
    return std::nullopt;
}

nlohmann::ordered_json sectionJson(const std::optional<calc::PileSection>& section)
{
    if (!section) return nullptr;
    return {{"id", report::validUtf8(section->id)},
            {"name", report::validUtf8(section->name)},
            {"size", report::validUtf8(section->size)},
            {"area", section->area}};
}

std::string sectionsListing(bool json)
{
    if (json) {
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (const calc::PileSection& s : calc::builtInSections()) {
            nlohmann::ordered_json row = sectionJson(s);
            row["built_in"] = true;
            rows.push_back(std::move(row));
        }
        return report::dumpJson(nlohmann::ordered_json{{"sections", std::move(rows)}}) + "\n";
    }
    std::string text = "id\tname\tsize\tarea_cm2\tbuilt_in\n";
    for (const calc::PileSection& s : calc::builtInSections())
        text += s.id + "\t" + s.name + "\t" + s.size + "\t" + s.area + "\tyes\n";
    return text;
}

}  // namespace cli
