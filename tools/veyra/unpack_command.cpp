#include <cstdio>

#include "archive/lzma_decompressor.h"
#include "tools/veyra/command.h"

namespace veyra::tool {

// Unpacks one archive exactly as the updater does: the target is replaced and the archive file is
// deleted, also when decoding fails. Errors reach standard error through main.
int UnpackCommand(const Arguments& args) {
  if (args.size() != 2) {
    std::fputs("usage: veyra unpack ARCHIVE TARGET\n", stderr);
    return 1;
  }
  archive::DecompressLZMAFile(args[0], args[1]);
  return 0;
}

}  // namespace veyra::tool
