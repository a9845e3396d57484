#pragma once
// A pile file (.blowcount): what was typed on the four tabs, as JSON text.
//
//   {"format": "blowcount-pile", "version": 1, "decimal_separator": ".",
//    "tabs": {"hiley": {"fields": {"D": "30", ...}, "material": "rc", "section": "square"}, ...}}
//
// Field keys are the command line's field symbols, values the texts exactly as
// typed. material is "rc", "prestressed" or null, section "square", "round",
// null or a section object (calc/pile_file_sections.h; such a file is version 2,
// one without is still written as version 1). A missing tab, field or box reads as empty; unknown keys are ignored.
// Texts typed where the decimal separator differs from the reader's get that
// character, and only it, replaced by the reader's separator.
//
// A file may also hold the piles driven to the criterion and the acceptance
// settings (calc/pile_record.h), which need version 2:
//
//   "records": [{"mark": "P-001", "location": "A/1", "date": "2026-05-04",
//                "hammer": "", "drop": "60", "depth": "18.3",
//                "blows": ["12", "15"], "sets": ["1.9"], "inspector": "", "remarks": ""}],
//   "acceptance": {"formula": "strictest", "sets_required": "1", "project": ""}
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/pile.h"
#include "calc/pile_record.h"
#include "calc/tab_calculation.h"
#include "calc/tab_texts.h"

namespace calc {

inline constexpr int kPileFileVersion = 2;  // the highest this program reads
inline constexpr std::size_t kPileFileMaxBytes = 16 * 1024 * 1024;
inline constexpr const char* kPileFileFormat = "blowcount-pile";
inline constexpr const char* kPileFileSuffix = ".blowcount";

// One tab's texts and boxes.
struct PileTab {
    std::vector<std::string> texts;  // by field index, one per field of the tab
    PileBoxes boxes;                 // all false on the Engineering News tab

    bool operator==(const PileTab&) const = default;
};

struct PileDocument {
    std::string decimalSeparator = ".";  // the separator the texts are typed with
    std::array<PileTab, 4> tabs;         // by Formula

    PileTab& tab(Formula formula) { return tabs.at(static_cast<std::size_t>(formula)); }
    const PileTab& tab(Formula formula) const { return tabs.at(static_cast<std::size_t>(formula)); }
    std::vector<PileRecord> records;  // the piles driven, in the file's order
    AcceptanceSettings acceptance;
    bool acceptanceGiven = false;     // the file (or the user) set them
    // The tab as the calculator takes it.
    TabInputs inputs(Formula formula) const;

    bool operator==(const PileDocument&) const = default;
};

// Why a pile file could not be read.
struct PileFileError {
    enum class Kind {
        Unreadable,        // could not be opened or read; detail: the system's reason
        Missing,           // no such file
        NotRegular,        // a folder, a device or a pipe
        TooLarge,          // over kPileFileMaxBytes
        NotUtf8,
        NotJson,           // detail: where the parser stopped
        NotPileFile,       // another "format"
        NewerVersion,      // detail: the version
        BadVersion,        // no whole number from 1
        BadSeparator,      // "decimal_separator" not one character
        BadStructure,      // key: "tabs", "tabs.hiley" or "tabs.hiley.fields" not an object
        FieldNotText,      // formula and key name the field
        ControlCharacter,  // formula and key name the field
        BadBox,            // formula, key "material" or "section"
        BadRecords,        // key: "records", "records[3]" or "acceptance" not of its kind
        RecordNotText,     // key: "records[3].blows" (or "acceptance.project") not a text or a list of texts
        RecordControlCharacter,  // key as for RecordNotText
        MissingMark,       // key: "records[3]"
        DuplicateMark,     // key: "records[3]", detail: the mark
        BadAcceptanceFormula,  // detail: the name
    };
    Kind kind = Kind::NotJson;
    Formula formula = Formula::EngineeringNews;
    std::string key;
    std::string detail;
};

// The reason in Thai, for the window's message box, and in English, for the
// command line's stderr.
std::string thaiReason(const PileFileError& error);
std::string englishReason(const PileFileError& error);

using PileFileResult = std::variant<PileDocument, PileFileError>;

// The document in `text`, its texts with `currentSeparator`.
PileFileResult readPileFile(std::string_view text, std::string_view currentSeparator);
// The same from the file at `path` (bytes as the system takes them).
PileFileResult loadPileFile(const std::string& path, std::string_view currentSeparator);

// The lowest version that holds the document: 2 when a tab uses a section
// object or the file has records or acceptance settings, else 1, which older
// copies of the program open.
int pileFileVersion(const PileDocument& document);

// The document as the text of a pile file (UTF-8, ending in a newline).
std::string writePileFile(const PileDocument& document);

// The field (by index) whose text holds a control character, which a pile file
// cannot hold; the tab in `formula`. Nothing when every text can be saved.
struct UnsavableField {
    Formula formula;
    int index;
};
std::optional<UnsavableField> unsavableField(const PileDocument& document);
std::string thaiUnsavableReason(const UnsavableField& field);
// Why the records or acceptance settings cannot be saved (a control
// character, a missing or repeated mark), in Thai; nothing when they can.
std::optional<std::string> thaiUnsavableRecords(const PileDocument& document);

// The document of a fresh start: the initial texts with `separator`, no box ticked.
PileDocument initialDocument(std::string_view separator);

}  // namespace calc
