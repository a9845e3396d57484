#include "calc/pile_file_sections.h"

#include <string>

#include "calc/numbers.h"

namespace calc {

namespace {

// The text of member `key`: `fallback` when missing, nothing when not a text
// or holding a control character.
std::optional<std::string> textMember(const nlohmann::json& object, const char* key, std::string fallback = {})
{
    const auto it = object.find(key);
    if (it == object.end()) return fallback;
    if (!it->is_string()) return std::nullopt;
    const std::string& text = it->get_ref<const std::string&>();
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
    return text;
}

}  // namespace

std::optional<PileSection> readSectionObject(const nlohmann::json& object, std::string_view fileSeparator)
{
    if (!object.is_object()) return std::nullopt;
    const auto name = textMember(object, "name");
    if (!name || name->empty()) return std::nullopt;
    const auto id = textMember(object, "id", *name);
    const auto size = textMember(object, "size");
    auto area = textMember(object, "area");
    if (!id || !size || !area) return std::nullopt;
    // A number with the file's own separator, kept with ".".
    const std::optional<float> value = textToNumber(*area, fileSeparator);
    if (!value || !(*value > 0)) return std::nullopt;
    *area = replaceAll(*area, fileSeparator, ".");
    return PileSection{id->empty() ? *name : *id, *name, *size, *area};
}

nlohmann::ordered_json sectionObject(const PileSection& section, std::string_view separator)
{
    return {{"id", section.id},
            {"name", section.name},
            {"size", section.size},
            {"area", replaceAll(section.area, ".", separator)}};
}

}  // namespace calc
