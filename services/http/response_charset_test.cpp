#include "services/http/response_charset.h"

#include <gtest/gtest.h>

namespace veyra::http {
namespace {

struct CharsetCase {
  const char* contentType;
  std::string body;
  const char* charset;
};

TEST(ResponseCharsetTest, ChoosesByContentType) {
  const CharsetCase cases[] = {
      {"text/xml", "<?xml version='1.0' encoding='windows-1251'?>", "us-ascii"},
      {"text/vnd.thing+xml", "", "us-ascii"},
      {"text/xml-external-parsed-entity", "", "us-ascii"},
      {"text/plain", "", "ISO-8859-1"},
      {"text/plain; charset=\"KOI8-R\"", "", "KOI8-R"},
      {"application/octet-stream", "", ""},
      {"", "", ""},
      {"application/xml", "<?xml version=\"1.0\" encoding=\"windows-1251\"?><a/>", "windows-1251"},
      {"application/xml; charset=iso-8859-5", "<?xml version=\"1.0\"?><a/>", "UTF-8"},
      {"application/rss+xml", "\xFF\xFE<\0", "UTF-16LE"},
      {"application/xml-dtd", "\xFE\xFF\0<", "UTF-16BE"},
      {"application/xml", "\xEF\xBB\xBF<?xml encoding='koi8-r'?>", "UTF-8"},
      {"text/html", "<html><head><meta charset=\"windows-1251\"></head>", "windows-1251"},
      {"text/html; charset=utf-8",
       "<META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=koi8-r'>", "koi8-r"},
      {"text/html; charset=utf-8", "<p>no meta</p>", "utf-8"},
      {"text/html", "<p>no meta</p>", "ISO-8859-1"},
  };
  for (const CharsetCase& c : cases) {
    Headers headers;
    EXPECT_EQ(ResponseCharset(c.contentType, c.body, headers), c.charset) << c.contentType;
  }
}

TEST(ResponseCharsetTest, HtmlMetaHttpEquivValuesJoinTheHeaders) {
  Headers headers;
  ResponseCharset("text/html",
                  "<meta http-equiv=\"Refresh\" content=\"5; url=/next\">"
                  "<meta http-equiv=Content-Type content=\"text/html; charset=cp866\">",
                  headers);
  EXPECT_EQ(headers.Find("refresh"), "5; url=/next");
  EXPECT_EQ(headers.Find("Content-Type"), "text/html; charset=cp866");
}

}  // namespace
}  // namespace veyra::http
