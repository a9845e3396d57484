#include "cli/output.h"

#include "cli/report_page.h"
#include "report/page_json.h"

namespace cli {

std::string plainText(const Calculation& c)
{
    std::string out;
    if (c.results)
        for (const std::string& line : *c.results) out += line + "\n";
    if (c.message) out += *c.message + "\n";
    return out;
}

JsonObject jsonObject(const Calculation& c)
{
    JsonObject json;
    json.addString("outcome", std::string(outcomeName(c.kind)))
        .addString("message", c.message)
        .addString("focus", c.focus)
        .addStrings("results", c.results)
        .addNumber("S", c.S)
        .addBool("printable", c.printable);
    const std::optional<report::Page> page = reportPage(c);
    json.add("page", page ? report::pageJsonValue(*page) : nlohmann::ordered_json());
    return json;
}

int exitStatus(const Calculation& c)
{
    return c.message ? 1 : 0;
}

}  // namespace cli
