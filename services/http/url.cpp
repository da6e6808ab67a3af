#include "services/http/url.h"

#include <algorithm>
#include <charconv>

#include "base/error.h"

namespace veyra::http {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::optional<std::uint16_t> DefaultPort(std::string_view scheme) {
  if (EqualsIgnoringCase(scheme, "http")) return 80;
  if (EqualsIgnoringCase(scheme, "https")) return 443;
  return std::nullopt;
}

std::uint16_t ParsePort(std::string_view digits) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      value > 65535) {
    throw Error("Invalid port in URL: " + std::string(digits));
  }
  return static_cast<std::uint16_t>(value);
}

// Host, user, password and port from the authority part ("user:password@host:port").
void SplitAuthority(std::string_view authority, Url& url) {
  if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
    const std::string_view credentials = authority.substr(0, at);
    const std::size_t colon = credentials.find(':');
    url.user = credentials.substr(0, colon);
    if (colon != std::string_view::npos) url.password = credentials.substr(colon + 1);
    authority.remove_prefix(at + 1);
  }
  std::size_t hostEnd = authority.find(':');
  if (authority.starts_with('[')) {
    const std::size_t close = authority.find(']');
    hostEnd = close == std::string_view::npos ? authority.size() : authority.find(':', close);
  }
  url.host = authority.substr(0, hostEnd);
  if (hostEnd != std::string_view::npos) url.port = ParsePort(authority.substr(hostEnd + 1));
}

// Path and query from the part after the authority.
void SplitPathAndQuery(std::string_view rest, Url& url) {
  const std::size_t question = rest.find('?');
  const std::string_view path = rest.substr(0, question);
  url.path.clear();
  if (!path.starts_with('/')) url.path += '/';
  url.path += path;
  if (question != std::string_view::npos) url.query = rest.substr(question + 1);
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool Url::IsHttps() const { return EqualsIgnoringCase(scheme, "https"); }

std::uint16_t Url::EffectivePort() const {
  if (port) return *port;
  if (const auto known = DefaultPort(scheme)) return *known;
  throw Error("Unknown Protocol");
}

std::string Url::HostHeader() const {
  const std::uint16_t effective = EffectivePort();
  if (DefaultPort(scheme) == effective) return host;
  return host + ":" + std::to_string(effective);
}

std::string Url::RequestTarget() const {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string target;
  const auto append = [&target](std::string_view text) {
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte <= 0x20 || byte >= 0x7F) {
        target += '%';
        target += kHex[byte >> 4];
        target += kHex[byte & 0x0F];
      } else {
        target += c;
      }
    }
  };
  append(path);
  if (query) {
    target += '?';
    append(*query);
  }
  return target;
}

Url ParseUrl(std::string_view text) {
  text = text.substr(0, text.find('#'));
  Url url;
  const std::size_t separator = text.find("://");
  if (separator == std::string_view::npos) {
    SplitPathAndQuery(text, url);
    return url;
  }
  url.scheme = text.substr(0, separator);
  std::string rest(text.substr(separator + 3));
  std::replace(rest.begin(), std::find(rest.begin(), rest.end(), '?'), '\\', '/');
  const std::size_t authorityEnd = std::min(rest.find('/'), rest.find('?'));
  SplitAuthority(std::string_view(rest).substr(0, authorityEnd), url);
  SplitPathAndQuery(authorityEnd == std::string::npos ? "" : rest.substr(authorityEnd), url);
  return url;
}

Url ResolveUrl(std::string_view text, const std::optional<Url>& previous) {
  Url url = ParseUrl(text);
  if (url.host.empty()) {
    if (!previous) throw Error("A Host is required");
    url.scheme = previous->scheme;
    url.host = previous->host;
    url.port = previous->port;
  }
  url.EffectivePort();
  return url;
}

}  // namespace veyra::http
