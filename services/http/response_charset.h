// The charset a text get decodes a body with.
#pragma once

#include <string>
#include <string_view>

#include "services/http/headers.h"

namespace veyra::http {

// By the body's Content-Type:
//  - XML of a non-text type: from the body (byte-order mark, else the XML declaration's
//    encoding, else "UTF-8"), whatever the header says;
//  - HTML: a charset in the document's meta elements wins over the header; every meta
//    http-equiv pair is added to headers;
//  - otherwise the charset parameter; for text types without one "us-ascii" (XML subtypes) or
//    "ISO-8859-1"; for other types none ("").
std::string ResponseCharset(std::string_view contentType, std::string_view body, Headers& headers);

}  // namespace veyra::http
