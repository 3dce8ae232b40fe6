#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace CorvanSim {

// Inclusive bounds of one numeric field.
struct Range {
    unsigned min;
    unsigned max;
};

// The numbers of a payload written as "%u,%u,...": exactly one field per range, each made of
// decimal digits only and inside its range; nothing otherwise.
std::optional<std::vector<unsigned>> parseNumbers(std::string_view payload,
                                                  const std::vector<Range>& ranges);

// True for a dotted-decimal IPv4 address: four numbers 0 to 255 of one to three digits.
bool isIpv4Address(std::string_view text);

} // namespace CorvanSim
