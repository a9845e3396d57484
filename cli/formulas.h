#pragma once
// The formulas as the command line names them, and the symbols of their fields.
#include <optional>
#include <string_view>
#include <vector>

#include "calc/tab_texts.h"

namespace cli {

struct FieldSymbol {
    const char* symbol;  // "L2"
    int index;           // in the tab's field array
};

struct FormulaInfo {
    calc::Formula formula;
    const char* name;                  // "hiley"
    bool hasPileBoxes;                 // material and section pairs
    std::vector<FieldSymbol> fields;   // in the order the usage text lists them
};

const std::vector<FormulaInfo>& formulas();
const FormulaInfo* findFormula(std::string_view name);
const FormulaInfo& formulaInfo(calc::Formula formula);
std::optional<int> fieldIndex(const FormulaInfo& info, std::string_view symbol);

}  // namespace cli
