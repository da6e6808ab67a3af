#include "services/xml/document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/error.h"
#include "platform/text.h"

namespace veyra::xml {
namespace {

struct ReadCase {
  const char* text;
  const char* root;  // null: the read fails
};

TEST(DocumentTest, ReadsLenientlyAndFailsOnlyWhereTheRulesSay) {
  const ReadCase cases[] = {
      {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<settings/>", "settings"},
      {"", nullptr},
      {"no markup at all", nullptr},
      {"<?xml version=\"1.0\"?><!-- only a comment -->", nullptr},
      {"<!DOCTYPE d [<!ENTITY e \"<x>\">]><!-- <y/> --><root/>", "root"},
      {"<Version>5</version>", "Version"},
      {"<a></b>", nullptr},
      {"<a><b></a></b>", nullptr},
      {"<a>text", nullptr},
      {"<a><b/>", nullptr},
      {"<a>text<   ", nullptr},
      {"<a></a", nullptr},
      {"<a", nullptr},
      {"<a>< /a >", "a"},
      {"<a></ a\r\n>", "a"},
      {"<a><\r\nb/></a>", "a"},
      {"<first/><second>", nullptr},
      {"<first/>stray <!x> text<second/>", "first"},
      {"<a b=\"x>y\" c='</a>'></a>", "a"},
      {"<r><![CDATA[</r> <x>]]></r>", "r"},
      {"<r><?pi </r>?><!DOCTYPE z><!ELEMENT r ANY></r>", "r"},
      {"<r>&undeclared; &#xZZ; & </r>", "r"},
      {"<r><!-- unterminated </r>", nullptr},
      {"<r/><!-- unterminated at the top level", "r"},
  };
  for (const ReadCase& c : cases) {
    Document document;
    if (c.root) {
      document.ReadFromString(c.text);
      EXPECT_EQ(document.Root().name(), c.root) << c.text;
    } else {
      EXPECT_THROW(document.ReadFromString(c.text), Error) << c.text;
      EXPECT_THROW(document.Root(), Error) << c.text;
    }
  }
}

TEST(DocumentTest, ANewReadReplacesTheContentAndAFailedOneEmptiesIt) {
  Document document;
  document.ReadFromString("<first><child/></first>");
  document.ReadFromString("<second/>");
  EXPECT_EQ(document.Root().name(), "second");
  EXPECT_EQ(document.Root().FindNode("child"), nullptr);
  EXPECT_THROW(document.ReadFromString("<third>"), Error);
  EXPECT_THROW(document.Root(), Error);
}

struct ValueCase {
  const char* text;  // the value of the first <v> below the root
  const char* value;
};

TEST(DocumentTest, ValueIsTheCharacterDataUpToTheFirstChild) {
  const ValueCase cases[] = {
      {"<r><v> 5 </v></r>", " 5 "},
      {"<r><v>\t x \r\n</v></r>", "\t x \r\n"},
      {"<r><v/></r>", ""},
      {"<r><v></v></r>", ""},
      {"<r><v>text<c/>tail</v></r>", "text"},
      {"<r><v> \r\n <c/>tail</v></r>", ""},
      {"<r><v>a<!-- comment -->b</v></r>", "a"},
      {"<r><v><![CDATA[data]]></v></r>", ""},
      // A CR in the data after the last child trims the value's trailing CR, LF and spaces.
      {"<r><v>text \r\n\t<c/>\r\n</v></r>", "text \r\n\t"},
      {"<r><v>text\t \r\n <c/>\r\n</v></r>", "text\t"},
      {"<r><v>text\r\n<c/>x\r</v></r>", "text"},
      {"<r><v>text\n<c/>\n</v></r>", "text\n"},
      {"<r><v>text\r\n<c/></v></r>", "text\r\n"},
      {"<r><v>text\r\n<c/>\r\n<d/></v></r>", "text\r\n"},
      {"<r><v>a&amp;b&#65;</v></r>", "a&bA"},
  };
  for (const ValueCase& c : cases) {
    Document document;
    document.ReadFromString(c.text);
    const Element* v = document.Root().FindNode("v");
    ASSERT_NE(v, nullptr) << c.text;
    EXPECT_EQ(v->ValueAsString(), c.value) << c.text;
  }
}

TEST(DocumentTest, ValueAsIntegerReadsTheValueAsWritten) {
  struct Case {
    const char* value;
    std::int32_t expected;  // 0 with fails
    bool fails;
  };
  const Case cases[] = {
      {" 5", 5, false},   {"5 ", 0, true},  {"0x10", 16, false}, {"-$10", -16, false},
      {"", 0, true},      {"&#53;", 0, true}, {"a&amp;b", 0, true},
  };
  for (const Case& c : cases) {
    Document document;
    document.ReadFromString(std::string("<r><v>") + c.value + "</v></r>");
    const Element& v = *document.Root().FindNode("v");
    if (c.fails) {
      EXPECT_THROW(v.ValueAsInteger(), Error) << c.value;
    } else {
      EXPECT_EQ(v.ValueAsInteger(), c.expected) << c.value;
    }
  }
}

TEST(DocumentTest, ValueAsBoolDecidesByTheFirstCharacter) {
  struct Case {
    const char* value;
    int expected;  // -1: fails
  };
  const Case cases[] = {
      {"Yes", 1},  {"yes", 1}, {"true", 1}, {"T", 1},  {"1", 1},   {"10", 1},
      {"No", 0},   {"false", 0}, {"F", 0},  {"0", 0},  {"nope", 0},
      {"off", -1}, {"on", -1}, {"", -1},    {" 1", -1}, {"&#49;", -1}, {"2", -1},
  };
  for (const Case& c : cases) {
    Document document;
    document.ReadFromString(std::string("<r><v>") + c.value + "</v></r>");
    const Element& v = *document.Root().FindNode("v");
    if (c.expected < 0) {
      EXPECT_THROW(v.ValueAsBool(), Error) << c.value;
    } else {
      EXPECT_EQ(v.ValueAsBool(), c.expected == 1) << c.value;
    }
  }
}

TEST(DocumentTest, AttributeByNameUnquotesAndDecodes) {
  Document document;
  document.ReadFromString(
      "<r><archive filename = 'system\\a b.dat'\toriginal=\"0A1B2C3D\" Q=\"say \"\"hi\"\"\" "
      "ref=\"&lt;&#65;&unknown;\" bare=plain gt=\"1>2\" dup=\"first\" dup=\"second\" "
      "empty=\"\" single='x'/></r>");
  const Element& archive = *document.Root().FindNode("archive");
  const struct {
    const char* name;
    const char* value;
  } cases[] = {
      {"FILENAME", "system\\a b.dat"}, {"Original", "0A1B2C3D"}, {"q", "say \"hi\""},
      {"ref", "<A&unknown;"},          {"bare", "plain"},        {"gt", "1>2"},
      {"dup", "first"},                {"empty", ""},            {"single", "x"},
      {"missing", ""},                 {"archive", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(archive.AttributeByName(c.name), c.value) << c.name;
}

TEST(DocumentTest, AttributeNamesIgnoreTheCaseOfAsciiLettersOnly) {
  Document document;
  document.ReadFromString("<r \xC3\x84rger=\"1\" ABC=\"2\"/>");
  EXPECT_EQ(document.Root().AttributeByName("\xC3\x84rger"), "1");
  EXPECT_EQ(document.Root().AttributeByName("\xC3\xA4rger"), "");
  EXPECT_EQ(document.Root().AttributeByName("abc"), "2");
}

std::vector<std::string> Ids(const NodeList& list) {
  std::vector<std::string> ids;
  for (std::size_t i = 0; i < list.Count(); ++i) ids.push_back(list.Items(i).AttributeByName("id"));
  return ids;
}

TEST(DocumentTest, FindNodesListsEveryDescendantInDocumentOrder) {
  Document document;
  document.ReadFromString(
      "<archive id=\"root\">"
      "<archive id=\"1\"><archive id=\"2\"/></archive>"
      "<group><ARCHIVE id=\"3\">text<Archive id=\"4\"/></ARCHIVE></group>"
      "<archives id=\"no\"/><archive id=\"5\"/>"
      "</archive>");
  NodeList list;
  document.Root().FindNodes("archive", list);
  EXPECT_EQ(Ids(list), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_THROW(list.Items(list.Count()), Error);

  document.Root().FindNodes("nothing", list);
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_THROW(list.Items(0), Error);
}

TEST(DocumentTest, ACopiedElementStillFindsItsDescendants) {
  Document document;
  document.ReadFromString("<r><a><b>1</b></a><b>2</b></r>");
  const Element a = *document.Root().FindNode("a");
  ASSERT_NE(a.FindNode("b"), nullptr);
  EXPECT_EQ(a.FindNode("b")->ValueAsString(), "1");
}

TEST(DocumentTest, FindNodeNeverMatchesTheElementItself) {
  Document document;
  document.ReadFromString("<a id=\"outer\"><b><c/></b></a>");
  EXPECT_EQ(document.Root().FindNode("a"), nullptr);
  EXPECT_EQ(document.Root().FindNode("C")->name(), "c");

  document.ReadFromString("<a id=\"outer\"><b><A id=\"inner\"/></b><a id=\"later\"/></a>");
  EXPECT_EQ(document.Root().FindNode("a")->AttributeByName("id"), "inner");
}

TEST(DocumentTest, ReadStringSeesOnlyChildren) {
  Document document;
  document.ReadFromString(
      "<r><x><deep>d</deep><child>inner</child></x><Child>outer</Child><child>late</child></r>");
  const Element& root = document.Root();
  EXPECT_EQ(root.ReadString("deep", "default"), "default");
  EXPECT_EQ(root.ReadString("child", "default"), "outer");
  EXPECT_EQ(root.ReadString("x", "default"), "");
  EXPECT_EQ(root.FindNode("child")->ValueAsString(), "inner");
}

TEST(DocumentTest, ElementNamesIgnoreLetterCaseBeyondAscii) {
  Document document;
  document.ReadFromString("<r><\xD0\x92\xD0\xB5\xD1\x80\xD1\x81\xD0\xB8\xD1\x8F>7</\xD0\xB2\xD0\xB5"
                          "\xD1\x80\xD1\x81\xD0\xB8\xD1\x8F></r>");  // Версия ... версия
  const Element* found = document.Root().FindNode("\xD0\x92\xD0\x95\xD0\xA0\xD0\xA1\xD0\x98\xD0\xAF");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->ValueAsInteger(), 7);
  EXPECT_EQ(document.Root().FindNode("versiya"), nullptr);
}

TEST(DocumentTest, NumericReferencesAreSpelledInTheDocumentsCharset) {
  const std::string text = "<r a=\"&#233;&#x418;\">&#233;&#x418;&#xD800;</r>";
  Document utf8;
  utf8.ReadFromString(text);
  EXPECT_EQ(utf8.Root().ValueAsString(), "\xC3\xA9\xD0\x98?");
  EXPECT_EQ(utf8.Root().AttributeByName("a"), "\xC3\xA9\xD0\x98");

  Document ansi(Charset::kAnsiCodePage);
  ansi.ReadFromString(text);
  EXPECT_EQ(ansi.Root().ValueAsString(), platform::Utf8ToAnsi("\xC3\xA9\xD0\x98") + "?");
}

TEST(DocumentTest, DeepNestingReadsWithoutRecursion) {
  constexpr int kDepth = 200000;
  std::string text;
  for (int i = 0; i < kDepth; ++i) text += "<a>";
  text += "<leaf>x</leaf>";
  for (int i = 0; i < kDepth; ++i) text += "</a>";
  Document document;
  document.ReadFromString(text);
  EXPECT_EQ(document.Root().FindNode("leaf")->ValueAsString(), "x");
  EXPECT_EQ(document.Root().ReadString("leaf", "none"), "none");

  text.resize(text.size() - 4);
  EXPECT_THROW(document.ReadFromString(text), Error);
}

}  // namespace
}  // namespace veyra::xml
