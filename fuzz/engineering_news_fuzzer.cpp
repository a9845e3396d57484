// Calculate clicks on the Engineering News tab (it has no check boxes) with
// any texts in any field, "." or "," as the separator and any earlier tab state.
#include <cstddef>
#include <cstdint>

#include "calc/engineering_news.h"
#include "calculator_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::Calculator<calc::EngineeringNewsInputs, calc::EngineeringNewsState> calculator{
        &calc::CalculateEngineeringNews, nullptr};
    return fuzz::fuzzCalculator(calc::Formula::EngineeringNews, calculator, data, size);
}
