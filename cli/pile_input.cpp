#include "cli/pile_input.h"

#include <variant>

namespace cli {

void fillFromDocument(Request& request, const calc::PileDocument& document)
{
    const calc::PileTab& tab = document.tab(request.formula);
    for (std::size_t i = 0; i < tab.texts.size(); ++i) request.fields.try_emplace(static_cast<int>(i), tab.texts[i]);
    if (!request.prestressed && (tab.boxes.reinforced || tab.boxes.prestressed))
        request.prestressed = tab.boxes.prestressed;
    // square, round, --section and --area here override the file's choice of section.
    if (request.roundSection || request.section) return;
    if (tab.boxes.square || tab.boxes.round) request.roundSection = tab.boxes.round;
    request.section = tab.boxes.section;
}

std::optional<std::string> fillFromPileFile(Request& request, std::string_view decimalSeparator)
{
    if (!request.filePath) return std::nullopt;
    const calc::PileFileResult result = calc::loadPileFile(*request.filePath, decimalSeparator);
    if (const auto* error = std::get_if<calc::PileFileError>(&result)) return calc::englishReason(*error);
    fillFromDocument(request, std::get<calc::PileDocument>(result));
    return std::nullopt;
}

}  // namespace cli
