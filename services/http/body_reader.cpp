#include "services/http/body_reader.h"

#include <charconv>

#include "base/error.h"

namespace veyra::http {
namespace {

[[noreturn]] void ThrowClosed() { throw Error("Connection Closed Gracefully."); }

// A decimal Content-Length; nothing when it is not a plain non-negative number.
std::optional<std::int64_t> ParseLength(std::string_view text) {
  text = TrimBlanks(text);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) {
    return std::nullopt;
  }
  return value;
}

// The size line of a chunk: hexadecimal digits, then optional extensions after ";".
std::int64_t ParseChunkSize(std::string_view line) {
  const std::string_view digits = TrimBlanks(line.substr(0, line.find(';')));
  std::int64_t size = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), size, 16);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || size < 0) {
    throw Error("Invalid chunk size: " + std::string(digits.substr(0, 32)));
  }
  return size;
}

// Moves blocks into the target and counts them for the work events.
class BodyCopier {
 public:
  BodyCopier(OutputStream& target, const ProgressHandlers& progress)
      : target_(target), progress_(progress) {}

  void Deliver(std::string_view block) {
    if (block.empty()) return;
    target_.Write(block);
    count_ += static_cast<std::int64_t>(block.size());
    if (progress_.work) progress_.work(count_);
  }

  // Copies exactly size bytes; false when the peer closed first.
  bool CopyExactly(BufferedReader& reader, std::int64_t size) {
    while (size > 0) {
      const std::string_view block =
          reader.ReadSome(static_cast<std::size_t>(std::min<std::int64_t>(size, kBlockSize)));
      if (block.empty()) return false;
      Deliver(block);
      size -= static_cast<std::int64_t>(block.size());
    }
    return true;
  }

  void CopyUntilClose(BufferedReader& reader) {
    for (std::string_view block; !(block = reader.ReadSome(kBlockSize)).empty();) Deliver(block);
  }

 private:
  OutputStream& target_;
  const ProgressHandlers& progress_;
  std::int64_t count_ = 0;
};

void ReadChunked(BufferedReader& reader, ResponseHead& head, BodyCopier& copier) {
  for (;;) {
    const std::optional<std::string> sizeLine = reader.ReadLine();
    if (!sizeLine) ThrowClosed();
    const std::int64_t size = ParseChunkSize(*sizeLine);
    if (size == 0) break;
    if (!copier.CopyExactly(reader, size) || !reader.ReadLine()) ThrowClosed();
  }
  for (std::optional<std::string> trailer; (trailer = reader.ReadLine()) && !trailer->empty();) {
    head.headers.AddLine(*trailer);
  }
}

// Lines up to and including "--boundary--", gathered into blocks of at most kBlockSize bytes.
void ReadMultipart(BufferedReader& reader, const std::string& boundary, BodyCopier& copier) {
  const std::string closing = "--" + boundary + "--";
  std::string block;
  bool atLineStart = true;
  for (;;) {
    const std::string_view piece = reader.ReadRawLine();
    if (piece.empty()) ThrowClosed();
    if (block.size() + piece.size() > kBlockSize) {
      copier.Deliver(block);
      block.clear();
    }
    block.append(piece);
    const bool endsLine = piece.ends_with('\n');
    if (atLineStart && endsLine && TrimBlanks(piece) == closing) break;
    atLineStart = endsLine;
  }
  copier.Deliver(block);
}

void ReadFramed(BufferedReader& reader, const BodyFraming& framing, ResponseHead& head,
                BodyCopier& copier) {
  switch (framing.kind) {
    case BodyFraming::Kind::Length:
      if (!copier.CopyExactly(reader, framing.length)) ThrowClosed();
      break;
    case BodyFraming::Kind::Chunked:
      ReadChunked(reader, head, copier);
      break;
    case BodyFraming::Kind::Multipart:
      ReadMultipart(reader, framing.boundary, copier);
      break;
    case BodyFraming::Kind::UntilClose:
      copier.CopyUntilClose(reader);
      break;
    case BodyFraming::Kind::None:
      break;
  }
}

}  // namespace

BodyFraming FramingOf(const ResponseHead& head) {
  BodyFraming framing;
  const int code = head.statusCode;
  if ((code >= 100 && code <= 199) || code == 204 || code == 304) return framing;
  if (head.headers.HasToken("Transfer-Encoding", "chunked")) {
    framing.kind = BodyFraming::Kind::Chunked;
    return framing;
  }
  if (const auto text = head.headers.Find("Content-Length")) {
    if (const auto length = ParseLength(*text)) {
      framing.kind = *length > 0 ? BodyFraming::Kind::Length : BodyFraming::Kind::None;
      framing.length = *length;
      return framing;
    }
  }
  const std::string_view contentType = head.headers.Find("Content-Type").value_or("");
  const auto boundary = HeaderParameter(contentType, "boundary");
  if (MediaType(contentType).starts_with("multipart/") && boundary && !boundary->empty()) {
    framing.kind = BodyFraming::Kind::Multipart;
    framing.boundary = *boundary;
    return framing;
  }
  framing.kind = BodyFraming::Kind::UntilClose;
  return framing;
}

void ReadBody(BufferedReader& reader, const BodyFraming& framing, ResponseHead& head,
              OutputStream& target, const ProgressHandlers& progress) {
  if (framing.kind == BodyFraming::Kind::None) return;
  BodyCopier copier(target, progress);
  try {
    if (progress.workBegin) {
      progress.workBegin(framing.kind == BodyFraming::Kind::Length ? framing.length : 0);
    }
    ReadFramed(reader, framing, head, copier);
  } catch (...) {
    if (progress.workEnd) progress.workEnd();
    throw;
  }
  if (progress.workEnd) progress.workEnd();
}

}  // namespace veyra::http
