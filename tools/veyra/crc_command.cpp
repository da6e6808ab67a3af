#include <cstdio>
#include <exception>

#include "patch/crc32.h"
#include "tools/veyra/command.h"

namespace veyra::tool {

// Prints "CHECKSUM  NAME" per file, like sha256sum; a file that cannot be read is reported and
// the others are still checked.
int CrcCommand(const Arguments& args) {
  if (args.empty()) {
    std::fputs("usage: veyra crc FILE...\n", stderr);
    return 1;
  }
  int status = 0;
  for (const std::string& name : args) {
    try {
      const std::string checksum = FileCRC32(name);
      std::printf("%s  %s\n", checksum.c_str(), name.c_str());
    } catch (const std::exception& error) {
      std::fprintf(stderr, "veyra crc: %s\n", error.what());
      status = 1;
    }
  }
  return status;
}

}  // namespace veyra::tool
