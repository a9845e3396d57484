#pragma once
// The formulas by the names the command line and the pile files give them
// ("hiley"), and the symbols of their fields ("L2").
#include <optional>
#include <string_view>
#include <vector>

#include "calc/tab_texts.h"

namespace calc {

struct FieldSymbol {
    const char* symbol;  // "L2"
    int index;           // in the tab's field array
};

struct FormulaInfo {
    Formula formula;
    const char* name;                  // "hiley"
    bool hasPileBoxes;                 // material and section pairs
    std::vector<FieldSymbol> fields;   // in the order the usage text lists them
};

const std::vector<FormulaInfo>& formulas();
const FormulaInfo* findFormula(std::string_view name);
const FormulaInfo& formulaInfo(Formula formula);
std::optional<int> fieldIndex(const FormulaInfo& info, std::string_view symbol);

// The name tables, graphs and reports show: "Engineering News", "Hiley", "Danish", "Janbu".
const char* shortFormulaName(Formula formula);

}  // namespace calc
