#include <cstdint>
#include <cstdio>

#include "archive/lzma_compressor.h"
#include "tools/veyra/command.h"

namespace veyra::tool {

namespace {

constexpr std::uint32_t kDefaultPreset = 6;
constexpr std::uint32_t kStrongestPreset = 9;

}  // namespace

// Writes FILE as a .lzma archive the updater can unpack; -9 trades time and memory for size.
int PackCommand(const Arguments& args) {
  const bool strongest = !args.empty() && args[0] == "-9";
  const std::size_t first = strongest ? 1 : 0;
  if (args.size() != first + 2) {
    std::fputs("usage: veyra pack [-9] FILE ARCHIVE\n", stderr);
    return 1;
  }
  archive::CompressLZMAFile(args[first], args[first + 1],
                            strongest ? kStrongestPreset : kDefaultPreset);
  return 0;
}

}  // namespace veyra::tool
