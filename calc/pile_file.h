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
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/pile.h"
#include "calc/tab_calculation.h"
#include "calc/tab_texts.h"

namespace calc {

inline constexpr int kPileFileVersion = 2;  // the highest version read
inline constexpr std::size_t kPileFileMaxBytes = 1024 * 1024;
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

// The version a document is written as: 2 when a tab uses a section object,
// else 1, which older copies of the program open.
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

// The document of a fresh start: the initial texts with `separator`, no box ticked.
PileDocument initialDocument(std::string_view separator);

}  // namespace calc
