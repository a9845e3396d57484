// Calculate clicks on the Danish tab with any texts in any field, any
// check-box states, "." or "," as the separator and any earlier tab state.
#include <cstddef>
#include <cstdint>

#include "calc/danish.h"
#include "calculator_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::Calculator<calc::DanishInputs, calc::DanishState> calculator{
        &calc::CalculateDanish, &calc::DanishState::A};
    return fuzz::fuzzCalculator(calc::Formula::Danish, calculator, data, size);
}
