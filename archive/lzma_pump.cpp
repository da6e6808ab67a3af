#include "archive/lzma_pump.h"

namespace veyra::archive {

lzma_ret RunCoder(lzma_stream& coder, TBufferedFS& input, TBufferedFS& output) {
  lzma_action action = LZMA_RUN;
  for (;;) {
    const std::span<const std::byte> in = input.ReadableBytes();
    if (in.empty()) action = LZMA_FINISH;
    const std::span<std::byte> out = output.WritableBytes();
    coder.next_in = reinterpret_cast<const std::uint8_t*>(in.data());
    coder.avail_in = in.size();
    coder.next_out = reinterpret_cast<std::uint8_t*>(out.data());
    coder.avail_out = out.size();

    const lzma_ret result = lzma_code(&coder, action);
    input.Consume(in.size() - coder.avail_in);
    output.Commit(out.size() - coder.avail_out);
    if (result != LZMA_OK) return result;
  }
}

}  // namespace veyra::archive
