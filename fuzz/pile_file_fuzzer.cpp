// Pile files, on any bytes a file may hold. The first byte picks the reader's
// decimal separator (bit 0: "," instead of "."); the rest is the file.
//
// Invariants: reading never throws or crashes; a refused file names its kind
// in both reasons; an accepted file gives each tab exactly its fields' count
// of texts, none with a control character, a box ticked in at most one of
// each pair (none on the Engineering News tab) and the reader's separator;
// records with marks of their own and no control character;
// and what it gives is written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "calc/formula_names.h"
#include "calc/pile_file.h"
#include "check.h"

namespace {

void checkDocument(const calc::PileDocument& d, std::string_view separator, std::string_view file)
{
    const auto context = [&] { return "file " + fuzz::quoted(file); };
    FUZZ_REQUIRE(d.decimalSeparator == separator, context());
    for (const calc::FormulaInfo& info : calc::formulas()) {
        const calc::PileTab& tab = d.tab(info.formula);
        FUZZ_REQUIRE(tab.texts.size() == info.fields.size(), context());
        for (const std::string& text : tab.texts)
            for (const char c : text)
                FUZZ_REQUIRE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in " + context());
        const calc::PileBoxes& b = tab.boxes;
        FUZZ_REQUIRE(!(b.reinforced && b.prestressed) && !(b.square && b.round), context());
        if (!info.hasPileBoxes) FUZZ_REQUIRE(b == calc::PileBoxes{}, context());
    }
    // Records: each with its own mark, no control character anywhere.
    FUZZ_REQUIRE(!calc::thaiUnsavableRecords(d), "unsavable records from " + context());
    const std::string written = calc::writePileFile(d);
    const calc::PileFileResult again = calc::readPileFile(written, separator);
    const auto* back = std::get_if<calc::PileDocument>(&again);
    FUZZ_REQUIRE(back, "a written document was refused: " + fuzz::quoted(written));
    FUZZ_REQUIRE(*back == d, "written and read back differs: " + fuzz::quoted(written) + " from " + context());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string separator = (data[0] & 1) ? "," : ".";
    const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
    const calc::PileFileResult result = calc::readPileFile(file, separator);
    if (const auto* error = std::get_if<calc::PileFileError>(&result)) {
        FUZZ_REQUIRE(!calc::thaiReason(*error).empty() && !calc::englishReason(*error).empty(), fuzz::quoted(file));
        return 0;
    }
    checkDocument(std::get<calc::PileDocument>(result), separator, file);
    return 0;
}
