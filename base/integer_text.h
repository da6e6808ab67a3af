// The text form of a 32-bit integer that the system accepts everywhere it reads a number: optional
// leading blanks (U+0020 only), an optional sign, then decimal digits or one of the prefixes "$",
// "x", "X", "0x", "0X" followed by hexadecimal digits. Nothing may follow the digits. Decimal values
// must fit the signed 32-bit range; hexadecimal values must fit 32 bits and are taken as signed, so
// "0xFFFFFFFF" is -1.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace veyra {

std::optional<std::int32_t> ParseIntegerText(std::string_view text);

}  // namespace veyra
