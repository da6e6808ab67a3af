// Arbitrary bytes as an archive file: DecompressLZMAFile either decodes them or throws
// veyra::Error, and never reads or writes out of bounds, leaks or hangs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "archive/lzma_decompressor.h"
#include "base/error.h"

namespace {

namespace fs = std::filesystem;

// The archive and target files of this process, in a folder of its own that goes with it.
class FuzzFiles {
 public:
  FuzzFiles()
      : folder_(fs::temp_directory_path() /
                ("veyra-lzma-fuzzer-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(folder_);
  }
  ~FuzzFiles() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::string archive() const { return (folder_ / "file.lzma").string(); }
  std::string target() const { return (folder_ / "file").string(); }

 private:
  fs::path folder_;
};

// A legal dictionary may ask for a window of up to 2 GiB, which libFuzzer's malloc limit would
// report as a failure, and every large window costs the sanitizers time; such windows are a unit
// test of their own. Keep the fuzzed ones below 1 MiB and leave sizes of 2 GiB and more, which
// must be refused, as they are.
void BoundDictionarySize(std::string& archive) {
  if (archive.size() < 5) return;
  const auto top = static_cast<unsigned char>(archive[4]);
  if (top >= 0x80) return;
  archive[4] = 0;
  archive[3] = static_cast<char>(archive[3] & 0x0F);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const FuzzFiles files;
  std::string archive(reinterpret_cast<const char*>(data), size);
  BoundDictionarySize(archive);
  {
    std::ofstream out(files.archive(), std::ios::binary | std::ios::trunc);
    out.write(archive.data(), static_cast<std::streamsize>(archive.size()));
  }
  try {
    veyra::archive::DecompressLZMAFile(files.archive(), files.target());
  } catch (const veyra::Error&) {
    // Refusing broken input is the expected outcome for most inputs.
  }
  return 0;
}
