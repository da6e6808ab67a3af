// The bytes of a GET request.
#pragma once

#include <string>
#include <string_view>

#include "services/http/url.h"

namespace veyra::http {

inline constexpr std::string_view kAcceptHeader =
    "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";

// "GET target HTTP/1.1", then Host, Accept, User-Agent and (when not empty) Cookie, then the
// empty line; nothing else. Header values go out as 7-bit ASCII: every character above U+007F
// and every control character becomes "?".
std::string RequestBytes(const Url& url, std::string_view userAgent, std::string_view cookie);

}  // namespace veyra::http
