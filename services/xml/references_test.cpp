#include "services/xml/references.h"

#include <gtest/gtest.h>

namespace veyra::xml {
namespace {

TEST(ReferencesTest, DecodesTheFivePredefinedAndNumericReferencesOnly) {
  const struct {
    const char* text;
    const char* decoded;
  } cases[] = {
      {"plain", "plain"},
      {"&amp;&lt;&gt;&apos;&quot;", "&<>'\""},
      {"a&amp;b&#65;", "a&bA"},
      {"&#x41;&#X42;&#x6a;", "ABj"},
      {"&#65534;", "\xEF\xBF\xBE"},
      {"&#65535;&#99999999999;&#xFFFF;", "&#65535;&#99999999999;&#xFFFF;"},
      {"&#;&#x;&#-1;&#+1;&# 1;&#1a;", "&#;&#x;&#-1;&#+1;&# 1;&#1a;"},
      {"&AMP;&nbsp;&amp", "&AMP;&nbsp;&amp"},
      {"a & b &amp; c", "a & b &amp; c"},  // the reference runs from "&" to the first ";"
      {"&amp;x & y", "&x & y"},            // an "&" without ";" after it ends the decoding
      {";&;", ";&;"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeReferences(c.text, Charset::kUtf8), c.decoded) << c.text;
  }
  EXPECT_EQ(DecodeReferences("&#0;", Charset::kUtf8), std::string(1, '\0'));
}

TEST(ReferencesTest, UnquotesWithDoubledQuotes) {
  const struct {
    const char* stored;
    const char* value;
  } cases[] = {
      {"'a b'", "a b"},         {"\"a\"\"b\"", "a\"b"},    {"'it''s'", "it's"},
      {"'a'b'", "a"},           {"\"open", "open"},         {"\"", "\""},
      {"plain", "plain"},       {"''", ""},                 {"'x\"y'", "x\"y"},
      {"\"a\"\"\"", "a\""},
  };
  for (const auto& c : cases) EXPECT_EQ(UnquoteAttributeValue(c.stored), c.value) << c.stored;
}

}  // namespace
}  // namespace veyra::xml
