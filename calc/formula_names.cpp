#include "calc/formula_names.h"

#include <stdexcept>

namespace calc {

const std::vector<FormulaInfo>& formulas()
{
    static const std::vector<FormulaInfo> all = {
        {Formula::EngineeringNews, "engineering-news", false, {{"Qa", 0}, {"W", 1}, {"h", 2}, {"C", 3}, {"FS", 4}}},
        {Formula::Hiley, "hiley", true,
         {{"D", 8}, {"L", 0}, {"Qa", 1}, {"W", 2}, {"h", 3}, {"L2", 4}, {"r", 5}, {"Z", 6}, {"FS", 7}}},
        {Formula::Danish, "danish", true,
         {{"D", 0}, {"L", 1}, {"Qa", 2}, {"W", 3}, {"h", 4}, {"e", 5}, {"FS", 6}, {"E", 7}}},
        {Formula::Janbu, "janbu", true, {{"D", 0}, {"L", 1}, {"Qa", 2}, {"W", 3}, {"h", 4}, {"FS", 5}, {"E", 6}}},
    };
    return all;
}

const FormulaInfo* findFormula(std::string_view name)
{
    for (const FormulaInfo& f : formulas())
        if (name == f.name) return &f;
    return nullptr;
}

const FormulaInfo& formulaInfo(Formula formula)
{
    for (const FormulaInfo& f : formulas())
        if (f.formula == formula) return f;
    throw std::invalid_argument("unknown formula");
}

std::optional<int> fieldIndex(const FormulaInfo& info, std::string_view symbol)
{
    for (const FieldSymbol& f : info.fields)
        if (symbol == f.symbol) return f.index;  // case matters: e and E differ
    return std::nullopt;
}

const char* shortFormulaName(Formula formula)
{
    switch (formula) {
    case Formula::EngineeringNews: return "Engineering News";
    case Formula::Hiley: return "Hiley";
    case Formula::Danish: return "Danish";
    case Formula::Janbu: return "Janbu";
    }
    return "";
}

}  // namespace calc
