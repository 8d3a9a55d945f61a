#pragma once
// Colour names as a user types them on the command line.

#include <optional>
#include <string_view>

#include "colorohm/model/ColourCode.h"

namespace colorcode {

// The colour named by `cp1252Name`: its name in the program's string table ("Marron") or its English
// name ("brown", "grey" or "gray"), in any case, accents optional.
std::optional<colorohm::BandColour> ColourFromName(std::string_view cp1252Name,
                                                   const colorohm::StringLookup& strings);

} // namespace colorcode
