#include "archive/lzma_decompressor.h"

#include <lzma.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>

#include "archive/buffered_fs.h"
#include "archive/lzma_pump.h"
#include "base/error.h"
#include "platform/files.h"

namespace veyra::archive {

namespace {

constexpr unsigned kMaxPropertiesByte = 224;  // (pb 4 * 5 + lp 4) * 9 + lc 8
constexpr std::uint64_t kDictionarySizeLimit = std::uint64_t{1} << 31;

const char kTooShort[] = "input .lzma file is too short";
const char kIncorrectProperties[] = "Incorrect stream properties";
const char kNoStreamSize[] = "Can't read stream size";
const char kDataError[] = "Error in data stream";
const char kOutOfMemory[] = "Out of memory";

using Properties = std::array<std::byte, 5>;

// liblzma's raw LZMA1 decoder. It has no memory limit, so every legal dictionary is accepted;
// its window is max(dictionary size, 4096) bytes, allocated when decoding starts.
class LzmaDecoder {
 public:
  // Takes the properties byte and the dictionary size; throws kIncorrectProperties for values
  // out of range or not supported by liblzma (lc + lp above 4).
  explicit LzmaDecoder(const Properties& properties) {
    const auto d = std::to_integer<unsigned>(properties[0]);
    std::uint64_t dictionary_size = 0;
    for (int i = 0; i < 4; ++i) {
      dictionary_size |= std::uint64_t{std::to_integer<std::uint8_t>(properties[1 + i])} << (8 * i);
    }
    if (d > kMaxPropertiesByte || dictionary_size >= kDictionarySizeLimit) {
      throw Error(kIncorrectProperties);
    }
    options_.lc = d % 9;
    options_.lp = d / 9 % 5;
    options_.pb = d / 45;
    options_.dict_size = static_cast<std::uint32_t>(dictionary_size);
    // With a known size an end marker may still follow the last byte, as encoders may write.
    options_.ext_flags = LZMA_LZMA1EXT_ALLOW_EOPM;
    if (lzma_raw_decoder_memusage(Filters().data()) == UINT64_MAX) {
      throw Error(kIncorrectProperties);
    }
  }
  LzmaDecoder(const LzmaDecoder&) = delete;
  LzmaDecoder& operator=(const LzmaDecoder&) = delete;
  ~LzmaDecoder() { lzma_end(&stream_); }

  // Decodes the rest of the archive into the target: up to the end marker when size is
  // negative, otherwise exactly size bytes.
  void Decode(TBufferedFS& archive, TBufferedFS& target, std::int64_t size) {
    lzma_set_ext_size(options_, size < 0 ? UINT64_MAX : static_cast<std::uint64_t>(size));
    Check(lzma_raw_decoder(&stream_, Filters().data()));
    Check(RunCoder(stream_, archive, target));
  }

 private:
  std::array<lzma_filter, 2> Filters() {
    return {{{LZMA_FILTER_LZMA1EXT, &options_}, {LZMA_VLI_UNKNOWN, nullptr}}};
  }

  static void Check(lzma_ret result) {
    switch (result) {
      case LZMA_OK:
      case LZMA_STREAM_END:
        return;
      case LZMA_MEM_ERROR:
        throw Error(kOutOfMemory);
      case LZMA_OPTIONS_ERROR:
        throw Error(kIncorrectProperties);
      default:
        throw Error(kDataError);
    }
  }

  lzma_options_lzma options_{};
  lzma_stream stream_ = LZMA_STREAM_INIT;
};

// The 64-bit size field, one byte per read, least significant first.
std::int64_t ReadStreamSize(TBufferedFS& archive) {
  std::uint64_t size = 0;
  for (int i = 0; i < 8; ++i) {
    std::byte byte;
    if (archive.Read(&byte, 1) == 0) throw Error(kNoStreamSize);
    size |= std::uint64_t{std::to_integer<std::uint8_t>(byte)} << (8 * i);
  }
  return static_cast<std::int64_t>(size);
}

void Decode(TBufferedFS& archive, TBufferedFS& target) {
  Properties properties;
  if (archive.Read(properties.data(), properties.size()) < properties.size()) {
    throw Error(kTooShort);
  }
  LzmaDecoder decoder(properties);
  const std::int64_t size = ReadStreamSize(archive);
  decoder.Decode(archive, target, size);
}

}  // namespace

void DecompressLZMAFile(const std::string& archive_path, const std::string& target_path) {
  // The streams carry their 64 KiB buffers inside, so they live on the heap, not the stack.
  auto archive = std::make_unique<TBufferedFS>(archive_path, FileOpenMode::OpenRead);
  auto target = std::make_unique<TBufferedFS>(target_path, FileOpenMode::Create);

  std::exception_ptr failure;
  try {
    Decode(*archive, *target);
  } catch (...) {
    failure = std::current_exception();
  }
  try {
    target->Close();
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  target.reset();
  archive.reset();
  platform::DeleteFile(archive_path);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace veyra::archive
