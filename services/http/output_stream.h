// Targets of a get: where body bytes are written as they arrive.
#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"

namespace veyra::http {

class OutputStream {
 public:
  virtual ~OutputStream() = default;
  // Writes every byte at the current position or throws.
  virtual void Write(std::string_view bytes) = 0;
};

// Appends to a string the caller owns.
class StringOutputStream : public OutputStream {
 public:
  explicit StringOutputStream(std::string& target) : target_(target) {}
  void Write(std::string_view bytes) override { target_.append(bytes); }

 private:
  std::string& target_;
};

// Writes to an open file at its current position.
class FileOutputStream : public OutputStream {
 public:
  explicit FileOutputStream(platform::File& file) : file_(file) {}
  void Write(std::string_view bytes) override { file_.Write(bytes.data(), bytes.size()); }

 private:
  platform::File& file_;
};

}  // namespace veyra::http
