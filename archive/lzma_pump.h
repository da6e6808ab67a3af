// Runs a liblzma coder between two buffered streams, straight on their buffers.
#pragma once

#include <lzma.h>

#include "archive/buffered_fs.h"

namespace veyra::archive {

// Feeds the coder the input stream's bytes until the input ends, then finishes it; its output
// goes into the output stream. Returns LZMA_STREAM_END when the coder ended, otherwise the
// coder's failure. The input stream is left after the last byte the coder took.
lzma_ret RunCoder(lzma_stream& coder, TBufferedFS& input, TBufferedFS& output);

}  // namespace veyra::archive
