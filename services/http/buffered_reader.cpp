#include "services/http/buffered_reader.h"

#include <algorithm>

#include "base/error.h"

namespace veyra::http {

std::string_view BufferedReader::Buffered() const {
  return std::string_view(buffer_.data() + begin_, end_ - begin_);
}

bool BufferedReader::Refill() {
  begin_ = 0;
  end_ = source_.Read(buffer_.data(), buffer_.size());
  return end_ > 0;
}

std::optional<std::string> BufferedReader::ReadLine() {
  std::string line;
  for (;;) {
    if (begin_ == end_ && !Refill()) return std::nullopt;
    const std::string_view buffered = Buffered();
    const std::size_t newline = buffered.find('\n');
    line.append(buffered.substr(0, newline));
    if (newline != std::string_view::npos) {
      begin_ += newline + 1;
      if (line.ends_with('\r')) line.pop_back();
      if (line.size() > kMaxLineLength) throw Error("Max line length exceeded.");
      return line;
    }
    begin_ = end_;
    if (line.size() > kMaxLineLength + 1) throw Error("Max line length exceeded.");
  }
}

std::string_view BufferedReader::ReadRawLine() {
  if (begin_ == end_ && !Refill()) return {};
  std::size_t newline;
  while ((newline = Buffered().find('\n')) == std::string_view::npos && end_ - begin_ < buffer_.size()) {
    // Gather the rest of the line behind what is buffered.
    std::copy(buffer_.begin() + begin_, buffer_.begin() + end_, buffer_.begin());
    end_ -= begin_;
    begin_ = 0;
    const std::size_t size = source_.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (size == 0) break;
    end_ += size;
  }
  const std::string_view buffered = Buffered();
  const std::size_t size = newline == std::string_view::npos ? buffered.size() : newline + 1;
  begin_ += size;
  return buffered.substr(0, size);
}

std::string_view BufferedReader::ReadSome(std::size_t max) {
  if (begin_ == end_) {
    begin_ = end_ = 0;
    end_ = source_.Read(buffer_.data(), std::min(max, buffer_.size()));
  }
  const std::string_view block = Buffered().substr(0, max);
  begin_ += block.size();
  return block;
}

bool BufferedReader::WaitForData(std::chrono::milliseconds wait) {
  return begin_ != end_ || source_.WaitForData(wait);
}

}  // namespace veyra::http
