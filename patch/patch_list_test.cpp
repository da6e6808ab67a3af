#include "patch/patch_list.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace veyra {
namespace {

std::vector<std::string> ScanEntries(const std::string& fetched) {
  xml::Document document;
  ReadPatchListDocument(fetched, document);
  return CollectScanEntries(document);
}

std::string Entry(const std::string& filename, const std::string& original) {
  return filename + "\x06" + original + "\x06" "2";
}

TEST(PatchListTest, EveryArchiveBelowTheRootInDocumentOrder) {
  const std::string list =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<archive filename=\"root.dat\" original=\"00000000\">\n"
      "  <archive filename=\"system\\l2.exe\" original=\"CBF43926\">\n"
      "    <archive filename = 'system\\inner.dll'  ORIGINAL='0000ABCD'/>\n"
      "  </archive>\n"
      "  <!-- <archive filename=\"commented.dat\" original=\"11111111\"/> -->\n"
      "  <folder><ARCHIVE FileName=\"maps\\a&amp;b.map\" original=\"DEADBEEF\"/></folder>\n"
      "  <archives filename=\"other.dat\" original=\"22222222\"/>\n"
      "  <archive filename=\"\xD0\xBA\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0.dat\" original=\"abcdef01\"/>\n"
      "</archive>\n";
  EXPECT_EQ(ScanEntries(list), (std::vector<std::string>{
                                   Entry("system\\l2.exe", "CBF43926"),
                                   Entry("system\\inner.dll", "0000ABCD"),
                                   Entry("maps\\a&b.map", "DEADBEEF"),
                                   Entry("\xD0\xBA\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0.dat", "abcdef01"),
                               }));
}

TEST(PatchListTest, ElementsThatCannotMakeASafeEntryAreSkipped) {
  const char* const skipped[] = {
      "<archive original=\"00000000\"/>",
      "<archive filename=\"\" original=\"00000000\"/>",
      "<archive filename=\"a.dat\"/>",
      "<archive filename=\"a.dat\" original=\"\"/>",
      "<archive filename=\"..\\outside.dll\" original=\"00000000\"/>",
      "<archive filename=\"C:\\Windows\\x.dll\" original=\"00000000\"/>",
      "<archive filename=\"a&#6;b\" original=\"00000000\"/>",
      "<archive filename=\"a.dat\" original=\"00&#6;2\"/>",
      "<archive filename=\"a.dat&#0;\\..\\..\\x\" original=\"00000000\"/>",
  };
  for (const char* element : skipped) {
    const std::string list = std::string("<list>") + element +
                             "<archive filename=\"kept.dat\" original=\"00000000\"/></list>";
    EXPECT_EQ(ScanEntries(list), std::vector<std::string>{Entry("kept.dat", "00000000")})
        << element;
  }
}

TEST(PatchListTest, TheDocumentMustReadButMayHoldNoArchive) {
  xml::Document document;
  EXPECT_THROW(ReadPatchListDocument("", document), Error);
  EXPECT_THROW(ReadPatchListDocument("404 Not Found", document), Error);
  EXPECT_THROW(ReadPatchListDocument("<list><archive filename=\"a\" original=\"1\">", document),
               Error);
  EXPECT_EQ(ScanEntries("<list>\n</list>"), std::vector<std::string>{});
  EXPECT_EQ(ScanEntries("<archive filename=\"a\" original=\"1\"/>"), std::vector<std::string>{});
}

TEST(PatchListTest, SafeGameFileNamesStayBelowTheWorkingFolder) {
  const struct {
    const char* name;
    bool safe;
  } cases[] = {
      {"system\\l2.exe", true},   {"a.dat", true},          {"a\\.\\b", true},
      {"a..b\\c..", true},        {"...a\\b", true},        {"a/b", true},
      {"", false},                {"\\abs", false},         {"/abs", false},
      {"\\\\server\\share\\x", false},                      {"C:\\x", false},
      {"C:x", false},             {"a.dat:stream", false},  {"..", false},
      {"..\\x", false},           {"a\\..\\..\\x", false},  {"a/../x", false},
      {"a\\..", false},           {"...\\x", false},        {".. \\x", false},
      {"a\\ . .\\x", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSafeGameFileName(c.name), c.safe) << c.name;
  EXPECT_FALSE(IsSafeGameFileName(std::string_view("a\0\\..\\x", 7)));
}

}  // namespace
}  // namespace veyra
