// The text rules for values: reference decoding and attribute unquoting.
#pragma once

#include <string>
#include <string_view>

#include "services/xml/document.h"

namespace veyra::xml {

// Decodes from left to right. "&amp;", "&lt;", "&gt;", "&apos;", "&quot;" and the numeric
// references "&#DDD;" and "&#xHHH;" below 65535 become their characters; every other reference
// stays as written, and an "&" with no ";" after it ends the decoding. A numeric reference is
// spelled in `charset`; a character the charset cannot hold becomes "?".
std::string DecodeReferences(std::string_view text, Charset charset);

// A stored attribute value longer than one character that begins with a quote gives the text up
// to the next single occurrence of that quote, doubled quotes collapsed; any other value is
// returned as stored.
std::string UnquoteAttributeValue(std::string_view stored);

}  // namespace veyra::xml
