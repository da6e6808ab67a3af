#include "services/http/cookie_store.h"

#include <algorithm>
#include <charconv>

namespace veyra::http {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return lower;
}

// The host as cookies compare it: lower case, an IPv6 literal without its brackets.
std::string CookieHost(const Url& url) {
  std::string host = Lower(url.host);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  return host;
}

bool DomainMatches(const std::string& host, const std::string& domain, bool hostOnly) {
  if (host == domain) return true;
  return !hostOnly && host.size() > domain.size() && host.ends_with(domain) &&
         host[host.size() - domain.size() - 1] == '.';
}

bool PathMatches(std::string_view requestPath, std::string_view cookiePath) {
  if (!requestPath.starts_with(cookiePath)) return false;
  return requestPath.size() == cookiePath.size() || cookiePath.ends_with('/') ||
         requestPath[cookiePath.size()] == '/';
}

// The default path: the request path up to its last "/", or "/".
std::string DefaultPath(std::string_view requestPath) {
  const std::size_t slash = requestPath.rfind('/');
  if (slash == std::string_view::npos || slash == 0) return "/";
  return std::string(requestPath.substr(0, slash));
}

}  // namespace

void CookieStore::Store(const Url& url, const Headers& headers) {
  for (std::string_view setCookie : headers.FindAll("Set-Cookie")) Store(url, setCookie);
}

void CookieStore::Store(const Url& url, std::string_view setCookie) {
  const std::string_view pair = setCookie.substr(0, setCookie.find(';'));
  const std::size_t equals = pair.find('=');
  if (equals == std::string_view::npos) return;
  Cookie cookie;
  cookie.name = TrimBlanks(pair.substr(0, equals));
  cookie.value = TrimBlanks(pair.substr(equals + 1));
  if (cookie.name.empty()) return;
  const std::string host = CookieHost(url);
  cookie.domain = host;
  cookie.path = DefaultPath(url.path);
  bool expired = false;

  std::string_view attributes = setCookie.substr(pair.size());
  while (!attributes.empty()) {
    attributes.remove_prefix(1);  // the ";"
    const std::string_view attribute = attributes.substr(0, attributes.find(';'));
    attributes.remove_prefix(attribute.size());
    const std::size_t is = attribute.find('=');
    const std::string_view name = TrimBlanks(attribute.substr(0, is));
    const std::string_view value =
        is == std::string_view::npos ? std::string_view() : TrimBlanks(attribute.substr(is + 1));
    if (EqualsIgnoringCase(name, "Domain") && !value.empty()) {
      std::string domain = Lower(value);
      if (domain.starts_with('.')) domain.erase(0, 1);
      if (!DomainMatches(host, domain, false)) return;  // a server sets cookies for itself only
      cookie.domain = domain;
      cookie.hostOnly = false;
    } else if (EqualsIgnoringCase(name, "Path") && value.starts_with('/')) {
      cookie.path = value;
    } else if (EqualsIgnoringCase(name, "Secure")) {
      cookie.secure = true;
    } else if (EqualsIgnoringCase(name, "Max-Age")) {
      long long seconds = 0;
      const auto result = std::from_chars(value.data(), value.data() + value.size(), seconds);
      expired = result.ec == std::errc() && seconds <= 0;
    }
  }

  std::erase_if(cookies_, [&](const Cookie& old) {
    return old.name == cookie.name && old.domain == cookie.domain && old.path == cookie.path;
  });
  if (!expired) cookies_.push_back(std::move(cookie));
}

std::string CookieStore::HeaderFor(const Url& url) const {
  const std::string host = CookieHost(url);
  std::string header;
  for (const Cookie& cookie : cookies_) {
    if (!DomainMatches(host, cookie.domain, cookie.hostOnly)) continue;
    if (!PathMatches(url.path, cookie.path) || (cookie.secure && !url.IsHttps())) continue;
    if (!header.empty()) header += "; ";
    header += cookie.name + "=" + cookie.value;
  }
  return header;
}

}  // namespace veyra::http
