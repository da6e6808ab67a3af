#include "tools/veyra/read_file.h"

#include "platform/files.h"

namespace veyra::tool {

std::string ReadWholeFile(const std::string& path) {
  platform::File file = platform::File::OpenForReading(path, platform::Sharing::ReadWrite);
  std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
  bytes.resize(file.Read(bytes.data(), bytes.size()));
  return bytes;
}

}  // namespace veyra::tool
