// Whole files for the subcommands that read a document from disk.
#pragma once

#include <string>

namespace veyra::tool {

// The bytes of the file; throws veyra::Error when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace veyra::tool
