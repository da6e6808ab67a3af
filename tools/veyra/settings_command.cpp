#include <cstdio>
#include <exception>

#include "app/settings_document.h"
#include "tools/veyra/command.h"
#include "tools/veyra/read_file.h"

namespace veyra::tool {
namespace {

void PrintText(const char* name, const std::string& value) {
  std::printf("%s=%s\n", name, value.c_str());
}

void PrintSettings(const Settings& s) {
  std::printf("version=%d\n", static_cast<int>(s.version));
  PrintText("patchlist", s.patchlist);
  PrintText("criticalPatchlist", s.criticalPatchlist);
  PrintText("patchListFolder", s.patchListFolder);
  PrintText("updaterURL", s.updaterURL);
  std::printf("criticalVersion=%d\n", static_cast<int>(s.criticalVersion));
  PrintText("autoStartClient", s.autoStartClient ? "true" : "false");
  PrintText("doubleRunCheck", s.doubleRunCheck ? "true" : "false");
  PrintText("closeUpdaterAfterStartinGame", s.closeUpdaterAfterStartinGame ? "true" : "false");
}

}  // namespace

// Reads FILE as if it were the fetched settings document and prints the fields as they stand
// afterwards, also after a failure, which then follows on standard error.
int SettingsCommand(const Arguments& args) {
  if (args.size() != 1) {
    std::fputs("usage: veyra settings FILE\n", stderr);
    return 1;
  }
  Settings settings;
  std::string failure;
  try {
    ReadSettingsDocument(ReadWholeFile(args[0]), settings);
  } catch (const std::exception& error) {
    failure = error.what();
  }
  PrintSettings(settings);
  if (failure.empty()) return 0;
  std::fflush(stdout);
  std::fprintf(stderr, "veyra settings: %s\n", failure.c_str());
  return 1;
}

}  // namespace veyra::tool
