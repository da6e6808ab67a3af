#include "archive/lzma_compressor.h"

#include <lzma.h>

#include <memory>
#include <string>

#include "archive/buffered_fs.h"
#include "archive/lzma_pump.h"
#include "base/error.h"
#include "platform/files.h"

namespace veyra::archive {

namespace {

class LzmaEncoder {
 public:
  explicit LzmaEncoder(std::uint32_t preset) {
    lzma_options_lzma options;
    if (lzma_lzma_preset(&options, preset)) {
      throw Error("LZMA preset " + std::to_string(preset) + " is not supported");
    }
    Check(lzma_alone_encoder(&stream_, &options));
  }
  LzmaEncoder(const LzmaEncoder&) = delete;
  LzmaEncoder& operator=(const LzmaEncoder&) = delete;
  ~LzmaEncoder() { lzma_end(&stream_); }

  void Encode(TBufferedFS& source, TBufferedFS& archive) { Check(RunCoder(stream_, source, archive)); }

 private:
  static void Check(lzma_ret result) {
    if (result == LZMA_OK || result == LZMA_STREAM_END) return;
    if (result == LZMA_MEM_ERROR) throw Error("Out of memory");
    throw Error("LZMA encoder failed (liblzma error " + std::to_string(result) + ")");
  }

  lzma_stream stream_ = LZMA_STREAM_INIT;
};

}  // namespace

void CompressLZMAFile(const std::string& source_path, const std::string& archive_path,
                      std::uint32_t preset) {
  LzmaEncoder encoder(preset);
  auto source = std::make_unique<TBufferedFS>(source_path, FileOpenMode::OpenRead);
  auto archive = std::make_unique<TBufferedFS>(archive_path, FileOpenMode::Create);
  try {
    encoder.Encode(*source, *archive);
    archive->Close();
  } catch (...) {
    archive.reset();
    platform::DeleteFile(archive_path);
    throw;
  }
}

}  // namespace veyra::archive
