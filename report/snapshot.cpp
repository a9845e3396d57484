#include "report/snapshot.h"

namespace report {

const std::string& TabSnapshot::text(const std::string& name) const
{
    static const std::string empty;
    auto it = texts.find(name);
    return it == texts.end() ? empty : it->second;
}

bool TabSnapshot::checked(const std::string& name) const
{
    auto it = checks.find(name);
    return it != checks.end() && it->second;
}

}  // namespace report
