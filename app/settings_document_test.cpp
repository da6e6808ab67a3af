#include "app/settings_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/error.h"
#include "platform/text.h"

namespace veyra {

void PrintTo(const Settings& s, std::ostream* out) {
  *out << "{" << s.version << ", \"" << s.patchlist << "\", \"" << s.criticalPatchlist << "\", \""
       << s.patchListFolder << "\", \"" << s.updaterURL << "\", " << s.criticalVersion << ", "
       << s.autoStartClient << s.doubleRunCheck << s.closeUpdaterAfterStartinGame << "}";
}

namespace {

constexpr char kDocument[] =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
    "<settings>\n"
    "  <version>4</version>\n"
    "  <patchlistURL>http://h/full.xml</patchlistURL>\n"
    "  <criticalPatchlistURL>http://h/critical.xml</criticalPatchlistURL>\n"
    "  <patchListFolder>http://h/files/</patchListFolder>\n"
    "  <updaterURL>http://h/VeyraUpdater.exe</updaterURL>\n"
    "  <criticalVersion>3</criticalVersion>\n"
    "  <autoStartClient>true</autoStartClient>\n"
    "  <removeOldUpdater>false</removeOldUpdater>\n"
    "  <doubleRunCheck>Yes</doubleRunCheck>\n"
    "  <closeUpdaterAfterStartinGame>1</closeUpdaterAfterStartinGame>\n"
    "</settings>\n";

const Settings kAllRead = {4, "http://h/full.xml", "http://h/critical.xml", "http://h/files/",
                           "http://h/VeyraUpdater.exe", 3, true, true, true};

std::string Edited(std::vector<std::pair<std::string, std::string>> replacements) {
  std::string text = kDocument;
  for (const auto& [from, to] : replacements) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
  }
  return text;
}

struct Case {
  const char* what;
  std::string document;
  std::function<void(Settings&)> change;  // applied to kAllRead to give the expected fields
  bool fails;
};

TEST(SettingsDocumentTest, ReadsTheTenElementsInOrderAndKeepsWhatWasReadOnFailure) {
  const Case cases[] = {
      {"all ten elements", kDocument, [](Settings&) {}, false},
      {"capital Version",
       Edited({{"<version>4</version>", "<Version>5</Version>"}}),
       [](Settings& s) { s.version = 5; }, false},
      {"nested version found, nested patchListFolder not",
       Edited({{"<version>4</version>", "<group><version>6</version></group>"},
               {"<patchListFolder>http://h/files/</patchListFolder>",
                "<group><patchListFolder>http://h/files/</patchListFolder></group>"}}),
       [](Settings& s) {
         s.version = 6;
         s.patchListFolder.clear();
       },
       false},
      {"missing patchListFolder",
       Edited({{"<patchListFolder>http://h/files/</patchListFolder>", ""}}),
       [](Settings& s) { s.patchListFolder.clear(); }, false},
      {"two versions, the first counts",
       Edited({{"<version>4</version>", "<version>7</version><version>8</version>"}}),
       [](Settings& s) { s.version = 7; }, false},
      {"updaterURL missing",
       Edited({{"<updaterURL>http://h/VeyraUpdater.exe</updaterURL>", ""}}),
       [](Settings& s) {
         s.updaterURL.clear();
         s.criticalVersion = 0;
         s.autoStartClient = s.doubleRunCheck = s.closeUpdaterAfterStartinGame = false;
       },
       true},
      {"version with a leading blank",
       Edited({{"<version>4</version>", "<version> 5</version>"}}),
       [](Settings& s) { s.version = 5; }, false},
      {"version with a trailing blank",
       Edited({{"<version>4</version>", "<version>5 </version>"}}),
       [](Settings& s) { s = Settings(); }, true},
      {"hexadecimal version", Edited({{"<version>4</version>", "<version>0x10</version>"}}),
       [](Settings& s) { s.version = 16; }, false},
      {"yes and No",
       Edited({{"<autoStartClient>true", "<autoStartClient>yes"},
               {"<doubleRunCheck>Yes", "<doubleRunCheck>No"}}),
       [](Settings& s) { s.doubleRunCheck = false; }, false},
      {"on is no Boolean",
       Edited({{"<autoStartClient>true", "<autoStartClient>on"}}),
       [](Settings& s) { s.autoStartClient = s.doubleRunCheck = s.closeUpdaterAfterStartinGame = false; },
       true},
      {"empty Boolean",
       Edited({{"<closeUpdaterAfterStartinGame>1", "<closeUpdaterAfterStartinGame>"}}),
       [](Settings& s) { s.closeUpdaterAfterStartinGame = false; }, true},
      {"removeOldUpdater missing",
       Edited({{"<removeOldUpdater>false</removeOldUpdater>", ""}}),
       [](Settings& s) { s.doubleRunCheck = s.closeUpdaterAfterStartinGame = false; }, true},
      {"removeOldUpdater not a Boolean",
       Edited({{"<removeOldUpdater>false", "<removeOldUpdater>maybe"}}),
       [](Settings& s) { s.doubleRunCheck = s.closeUpdaterAfterStartinGame = false; }, true},
      {"references decoded, blanks kept",
       Edited({{"http://h/full.xml", " http://h/a&amp;b "}}),
       [](Settings& s) { s.patchlist = " http://h/a&b "; }, false},
      {"line breaks become CR LF",
       Edited({{"http://h/full.xml", "a\nb\rc"}}),
       [](Settings& s) { s.patchlist = "a\r\nb\r\nc"; }, false},
      {"no document", "", [](Settings& s) { s = Settings(); }, true},
      {"no element", "<?xml version=\"1.0\"?>", [](Settings& s) { s = Settings(); }, true},
      {"broken document", Edited({{"</settings>", "</setting>"}}),
       [](Settings& s) { s = Settings(); }, true},
  };
  for (const Case& c : cases) {
    Settings expected = kAllRead;
    c.change(expected);
    Settings settings;
    if (c.fails) {
      EXPECT_THROW(ReadSettingsDocument(c.document, settings), Error) << c.what;
    } else {
      EXPECT_NO_THROW(ReadSettingsDocument(c.document, settings)) << c.what;
    }
    EXPECT_EQ(settings, expected) << c.what;
  }
}

TEST(SettingsDocumentTest, TextGoesThroughTheAnsiCodePage) {
  // U+4E2D is in no Western or Cyrillic ANSI code page: where the system's page lacks it, it
  // arrives as "?"; where UTF-8 is the ANSI code page (POSIX), it arrives unchanged.
  const std::string han = "\xE4\xB8\xAD";
  const std::string round_trip = platform::AnsiToUtf8(platform::Utf8ToAnsi(han));
  ASSERT_TRUE(round_trip == han || round_trip == "?") << round_trip;

  Settings settings;
  ReadSettingsDocument(Edited({{"http://h/full.xml", "http://h/" + han + "&#x4E2D;"}}), settings);
  EXPECT_EQ(settings.patchlist, "http://h/" + round_trip + round_trip);
}

}  // namespace
}  // namespace veyra
