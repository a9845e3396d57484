// Calculate clicks on the Janbu tab with any texts in any field, any
// check-box states, "." or "," as the separator and any earlier tab state.
#include <cstddef>
#include <cstdint>

#include "calc/janbu.h"
#include "calculator_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::Calculator<calc::JanbuInputs, calc::JanbuState> calculator{
        &calc::CalculateJanbu, &calc::JanbuState::A};
    return fuzz::fuzzCalculator(calc::Formula::Janbu, calculator, data, size);
}
