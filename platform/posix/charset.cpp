#include "platform/charset.h"

#include <iconv.h>

#include <cerrno>

namespace veyra::platform {
namespace {

class Converter {
 public:
  explicit Converter(const std::string& charset)
      : handle_(iconv_open("UTF-8", charset.c_str())) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (valid()) iconv_close(handle_);
  }
  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  std::string Convert(std::string_view bytes) {
    std::string output;
    char buffer[4096];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
      char* out = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
      output.append(buffer, static_cast<std::size_t>(out - buffer));
      if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      // An invalid or cut-off sequence: one replacement character for its first byte.
      output += "\xEF\xBF\xBD";
      ++in;
      --inLeft;
      iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
  }

 private:
  iconv_t handle_;
};

}  // namespace

std::optional<std::string> CharsetToUtf8(std::string_view bytes, const std::string& charset) {
  if (charset.empty()) return std::nullopt;
  Converter converter(charset);
  if (!converter.valid()) return std::nullopt;
  return converter.Convert(bytes);
}

}  // namespace veyra::platform
