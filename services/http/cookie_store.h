// The cookies servers set, kept for the life of one client and sent back to matching URLs.
#pragma once

#include <string>
#include <vector>

#include "services/http/headers.h"
#include "services/http/url.h"

namespace veyra::http {

class CookieStore {
 public:
  // Takes every Set-Cookie field of a response to a request for url. A cookie replaces the one of
  // the same name, domain and path; Max-Age of 0 or less removes it.
  void Store(const Url& url, const Headers& headers);
  // The Cookie header value for a request to url ("a=1; b=2"), empty when none matches.
  std::string HeaderFor(const Url& url) const;

 private:
  struct Cookie {
    std::string name;
    std::string value;
    std::string domain;  // lower case, without a leading "."
    bool hostOnly = true;
    std::string path;
    bool secure = false;
  };
  void Store(const Url& url, std::string_view setCookie);

  std::vector<Cookie> cookies_;
};

}  // namespace veyra::http
