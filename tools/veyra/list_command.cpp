#include <cstdio>

#include "patch/patch_list.h"
#include "patch/split_line.h"
#include "tools/veyra/command.h"
#include "tools/veyra/read_file.h"

namespace veyra::tool {

// Prints "ORIGINAL  FILENAME" per scan entry of the patch list FILE, in the format of `veyra crc`.
int ListCommand(const Arguments& args) {
  if (args.size() != 1) {
    std::fputs("usage: veyra list FILE\n", stderr);
    return 1;
  }
  xml::Document document;
  ReadPatchListDocument(ReadWholeFile(args[0]), document);
  for (const std::string& entry : CollectScanEntries(document)) {
    const std::vector<std::string> fields = SplitLine(entry, kEntrySeparator);
    std::printf("%s  %s\n", fields[1].c_str(), fields[0].c_str());
  }
  return 0;
}

}  // namespace veyra::tool
