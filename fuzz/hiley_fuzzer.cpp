// Calculate clicks on the Hiley tab with any texts in any field, any
// check-box states, "." or "," as the separator and any earlier tab state.
#include <cstddef>
#include <cstdint>

#include "calc/hiley.h"
#include "calculator_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::Calculator<calc::HileyInputs, calc::HileyState> calculator{
        &calc::CalculateHiley, &calc::HileyState::A};
    return fuzz::fuzzCalculator(calc::Formula::Hiley, calculator, data, size);
}
