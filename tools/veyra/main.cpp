// veyra: the operators' command-line tool, one program with subcommands.
#include <cstdio>
#include <exception>
#include <string_view>

#include "tools/veyra/command.h"

namespace {

struct Subcommand {
  std::string_view name;
  std::string_view usage;
  int (*run)(const veyra::tool::Arguments&);
};

constexpr Subcommand kSubcommands[] = {
    {"crc", "crc FILE...             print the CRC-32 of each file", veyra::tool::CrcCommand},
    {"fetch", "fetch URL [-o FILE]     get URL with the updater's HTTP client", veyra::tool::FetchCommand},
    {"list", "list FILE               print the checksum and name of each patch-list entry",
     veyra::tool::ListCommand},
    {"settings", "settings FILE           read a settings document, print its nine fields",
     veyra::tool::SettingsCommand},
    {"pack", "pack [-9] FILE ARCHIVE  write FILE as a .lzma archive", veyra::tool::PackCommand},
    {"unpack", "unpack ARCHIVE TARGET   decode into TARGET, delete ARCHIVE",
     veyra::tool::UnpackCommand},
};

int Usage() {
  std::fputs("usage: veyra COMMAND [ARGUMENTS]\n", stderr);
  for (const Subcommand& command : kSubcommands) {
    std::fprintf(stderr, "  veyra %.*s\n", static_cast<int>(command.usage.size()),
                 command.usage.data());
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string_view name = argv[1];
  for (const Subcommand& command : kSubcommands) {
    if (command.name != name) continue;
    try {
      return command.run(veyra::tool::Arguments(argv + 2, argv + argc));
    } catch (const std::exception& error) {
      std::fprintf(stderr, "veyra %s: %s\n", argv[1], error.what());
      return 1;
    }
  }
  return Usage();
}
