#include "services/http/request.h"

#include <gtest/gtest.h>

namespace veyra::http {
namespace {

TEST(RequestTest, HasTheFixedHeadersInOrderAndNothingElse) {
  const Url url = ResolveUrl("http://example.com:8080/a\\b.lzma?v=1", std::nullopt);
  EXPECT_EQ(RequestBytes(url, "Agent/1.0", ""),
            "GET /a/b.lzma?v=1 HTTP/1.1\r\n"
            "Host: example.com:8080\r\n"
            "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
            "User-Agent: Agent/1.0\r\n"
            "\r\n");
}

TEST(RequestTest, CookieComesLastAndHeaderValuesAreSevenBit) {
  const Url url = ResolveUrl("https://example.com/", std::nullopt);
  EXPECT_EQ(RequestBytes(url, "Agent \xD0\x96\xF0\x9F\x98\x80 ok\r\nX-Evil: 1", "a=1; b=2"),
            "GET / HTTP/1.1\r\n"
            "Host: example.com\r\n"
            "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
            "User-Agent: Agent ?? ok??X-Evil: 1\r\n"
            "Cookie: a=1; b=2\r\n"
            "\r\n");
}

}  // namespace
}  // namespace veyra::http
