// CompressLZMAFile: the operators' side of the archive format.
#pragma once

#include <cstdint>
#include <string>

namespace veyra::archive {

// Writes the source file's content as a .lzma archive file (size field all ones, data ending
// with an end marker), compressed with liblzma's preset 0 (fastest) to 9 (strongest).
// Throws veyra::Error; a partly written archive file is removed.
void CompressLZMAFile(const std::string& source_path, const std::string& archive_path,
                      std::uint32_t preset);

}  // namespace veyra::archive
