#include "cli/output.h"

#include <utility>

#include "cli/report_page.h"
#include "cli/sections.h"
#include "report/page_json.h"

namespace cli {

std::string plainText(const Calculation& c)
{
    std::string out;
    if (c.results)
        for (const std::string& line : *c.results) out += line + "\n";
    if (c.message) out += *c.message + "\n";
    if (c.capacity)
        for (const std::string& line : calc::capacityLines(*c.capacity)) out += line + "\n";
    if (c.capacityMessage) out += *c.capacityMessage + "\n";
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
        .addBool("printable", c.printable)
        .add("section", sectionJson(c.boxes.section));
    const std::optional<report::Page> page = reportPage(c);
    json.add("page", page ? report::pageJsonValue(*page) : nlohmann::ordered_json());
    if (c.recordGiven) {
        nlohmann::ordered_json capacity;  // null when not computed
        if (c.capacity)
            capacity = JsonObject{}
                           .addString("S", c.capacity->S)
                           .addString("Qu", c.capacity->Qu)
                           .addString("safe_load", c.capacity->safeLoad)
                           .addString("required", c.capacity->required)
                           .addBool("meets", c.capacity->meets)
                           .value();
        json.add("capacity", std::move(capacity)).addString("capacity_message", c.capacityMessage);
    }
    return json;
}

int exitStatus(const Calculation& c)
{
    return c.message || c.capacityMessage ? 1 : 0;
}

}  // namespace cli
