#include "sim/PayloadFields.h"

#include <algorithm>
#include <cctype>

namespace CorvanSim {

namespace {

constexpr std::size_t MaxDigits = 5; // every field the controller keeps fits in 16 bits

std::optional<unsigned> parseDigits(std::string_view field, std::size_t maxDigits)
{
    if (field.empty() || field.size() > maxDigits) return std::nullopt;
    unsigned value = 0;
    for (char c : field) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t end = text.find(separator);
        fields.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return fields;
        text.remove_prefix(end + 1);
    }
}

} // namespace

std::optional<std::vector<unsigned>> parseNumbers(std::string_view payload,
                                                  const std::vector<Range>& ranges)
{
    const std::vector<std::string_view> fields = split(payload, ',');
    if (fields.size() != ranges.size()) return std::nullopt;
    std::vector<unsigned> values;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<unsigned> value = parseDigits(fields[i], MaxDigits);
        if (!value || *value < ranges[i].min || *value > ranges[i].max) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

bool isIpv4Address(std::string_view text)
{
    const std::vector<std::string_view> parts = split(text, '.');
    return parts.size() == 4 && std::all_of(parts.begin(), parts.end(), [](auto part) {
               const std::optional<unsigned> value = parseDigits(part, 3);
               return value && *value <= 255;
           });
}

} // namespace CorvanSim
