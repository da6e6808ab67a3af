// DecompressLZMAFile: turns one archive file in the classic .lzma container into its target file.
#pragma once

#include <string>

namespace veyra::archive {

// Decodes the archive file into the target file, which is created (an existing one is replaced
// by an empty one first), and deletes the archive file on every outcome once both files are
// open. Keeps no state between calls.
//
// Throws veyra::Error with:
//  - the file layer's message when the archive cannot be opened or the target cannot be created;
//    the archive file then stays and the target is untouched;
//  - "input .lzma file is too short" when the 5 property bytes are missing;
//  - "Incorrect stream properties" for properties the decoder refuses;
//  - "Can't read stream size" when the archive ends within the 8 size bytes;
//  - "Out of memory" when the decoder's window cannot be allocated;
//  - "Error in data stream" when the data are corrupt or do not yield exactly the size the
//    header gives (all ones: the data must end with an end marker);
//  - the file layer's message when the target cannot be written.
// After a failure the target holds whatever was decoded before it.
// Memory: the decoder's window of max(dictionary size, 4096) bytes and the two streams' 64 KiB
// buffers, whatever the file sizes.
void DecompressLZMAFile(const std::string& archive_path, const std::string& target_path);

}  // namespace veyra::archive
