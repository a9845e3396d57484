#pragma once
// The command line: blowcount-cli FORMULA [--file PILE.blowcount] [--json]
// [--pdf FILE] [FIELD=TEXT ...] [rc|prestressed] [square|round]
// [--section ID | --area A] [--set10 CM | --blows30 N], with
// --heights FROM:TO:STEP [--hammer W]... [--csv] a table over drop heights;
// and blowcount-cli chart --file PILE [--heights ...] [--hammer W]...
// [--formulas NAME,...] [--json | --csv] [--pdf FILE]; FORMULA ... --workable
// [--hammer W]... the workable drop heights alone; and blowcount-cli
// sections [--json], the catalogue of pile sections. The options may stand
// anywhere, the fields and pile words anywhere after the formula.
// A new option is a line in the flag or value table of arguments.cpp and a
// member here.
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/capacity.h"
#include "calc/pile.h"
#include "calc/tab_texts.h"

namespace cli {

// --set10 CM or --blows30 N: the driving record whose capacity is checked.
struct RecordOption {
    std::string option;  // "--set10" or "--blows30"
    calc::RecordForm form = calc::RecordForm::TenBlowSet;
    std::string value;   // as typed
};

struct Request {
    calc::Formula formula = calc::Formula::EngineeringNews;
    bool chart = false;                   // "chart": the chosen formulas side by side from --file
    bool listSections = false;            // "sections": the catalogue
    bool json = false;
    bool csv = false;
    bool workable = false;                // --workable: the workable drop heights
    std::optional<std::string> heights;   // --heights FROM:TO:STEP: a table over drop heights
    std::vector<std::string> hammers;     // --hammer W, each a block of rows
    std::optional<std::string> formulaList;  // --formulas NAME,...: for chart
    std::optional<std::string> pdfPath;   // --pdf FILE: where the report goes
    std::optional<std::string> filePath;  // --file PILE: the pile file beneath the fields and boxes
    std::map<int, std::string> fields;  // field index → text as typed
    std::optional<bool> prestressed;    // rc: false, prestressed: true
    std::optional<bool> roundSection;   // square: false, round: true
    std::optional<std::string> sectionId;  // --section ID, as typed
    std::optional<std::string> area;       // --area A, as typed
    std::optional<calc::PileSection> section;  // what they choose (cli/sections.h), or the pile file's
    std::optional<std::string> set10;    // --set10 CM, as typed
    std::optional<std::string> blows30;  // --blows30 N, as typed
    std::optional<RecordOption> record;  // the one of them given
};

struct HelpRequest {};
struct VersionRequest {};  // --version

struct UsageError {
    std::string message;  // names the bad argument
};

using ParsedArguments = std::variant<Request, HelpRequest, VersionRequest, UsageError>;

ParsedArguments parseArguments(const std::vector<std::string>& args);  // without the program name

// The usage error of a record value that is not a number under the fields'
// rule with the locale's separator (a value of 0 is the capacity's refusal).
std::optional<UsageError> checkRecordNumber(const Request& request, std::string_view decimalSeparator);

// The short usage text, ending in a newline.
std::string usageText();

}  // namespace cli
