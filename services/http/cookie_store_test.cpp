#include "services/http/cookie_store.h"

#include <gtest/gtest.h>

namespace veyra::http {
namespace {

CookieStore StoreFrom(const char* url, std::initializer_list<const char*> setCookies) {
  Headers headers;
  for (const char* value : setCookies) headers.Add("Set-Cookie", value);
  CookieStore store;
  store.Store(ParseUrl(url), headers);
  return store;
}

TEST(CookieStoreTest, SendsCookiesBackToMatchingUrlsOnly) {
  const CookieStore store =
      StoreFrom("http://www.example.com/app/login", {"sid=abc; Path=/; HttpOnly", "lang=en",
                                                     "wide=1; Domain=.example.com; Path=/",
                                                     "safe=1; Secure; Path=/"});
  const struct {
    const char* url;
    const char* header;
  } cases[] = {
      {"http://www.example.com/app/next", "sid=abc; lang=en; wide=1"},
      {"http://www.example.com/other", "sid=abc; wide=1"},
      {"https://www.example.com/", "sid=abc; wide=1; safe=1"},
      {"http://cdn.example.com/app/x", "wide=1"},
      {"http://WWW.EXAMPLE.COM/application", "sid=abc; wide=1"},
      {"http://example.org/app/x", ""},
      {"http://badexample.com/", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(store.HeaderFor(ParseUrl(c.url)), c.header) << c.url;
}

TEST(CookieStoreTest, ReplacesAndRemoves) {
  CookieStore store = StoreFrom("http://h/", {"a=1", "b=2"});
  Headers later;
  later.Add("Set-Cookie", "a=3");
  later.Add("Set-Cookie", "b=; Max-Age=0");
  store.Store(ParseUrl("http://h/"), later);
  EXPECT_EQ(store.HeaderFor(ParseUrl("http://h/")), "a=3");
}

TEST(CookieStoreTest, IgnoresCookiesForOtherDomains) {
  const CookieStore store = StoreFrom("http://evil.test/", {"x=1; Domain=bank.test", "=novalue"});
  EXPECT_EQ(store.HeaderFor(ParseUrl("http://bank.test/")), "");
  EXPECT_EQ(store.HeaderFor(ParseUrl("http://evil.test/")), "");
}

}  // namespace
}  // namespace veyra::http
