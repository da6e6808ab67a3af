// Addresses of the HTTP client: the split of a URL and the request target it gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veyra::http {

struct Url {
  std::string scheme;  // as written; compared without regard to case
  std::string user;
  std::string password;
  std::string host;  // an IPv6 literal keeps its brackets
  std::optional<std::uint16_t> port;  // as written in the URL
  std::string path = "/";  // path with document
  std::optional<std::string> query;  // after "?"

  bool IsHttps() const;
  // The written port, else 80 for "http" and 443 for "https"; throws "Unknown Protocol" for any
  // other scheme.
  std::uint16_t EffectivePort() const;
  // The Host header value: the host, and ":" + the port when it is not the scheme's default.
  std::string HostHeader() const;
  // The request line's target: the path and the query as written, with every byte that may not
  // stand in a request line (controls, space, DEL, bytes above 0x7F) percent-encoded.
  std::string RequestTarget() const;
};

// Splits a URL. The fragment is dropped, and between "://" and the first "?" or "#" every
// backslash becomes a slash. Text without "://" is a path (with an optional query) on no host.
// Throws veyra::Error for a port that is not a number from 0 to 65535.
Url ParseUrl(std::string_view text);

// The address a get goes to: a URL without a host takes the scheme, host and port of the
// client's previous request. Throws "A Host is required" when there is none, and
// "Unknown Protocol" for a scheme other than http and https without a port.
Url ResolveUrl(std::string_view text, const std::optional<Url>& previous);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace veyra::http
