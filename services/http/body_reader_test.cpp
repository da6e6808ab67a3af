#include "services/http/body_reader.h"

#include <gtest/gtest.h>

#include "base/error.h"
#include "services/http/memory_source.h"

namespace veyra::http {
namespace {

struct Outcome {
  int status = 0;
  std::string body;
  std::string error;
  std::string events;  // "begin N", then the last work count, then "end"
  std::int64_t lastWork = -1;
  Headers headers;
};

Outcome ReadResponse(std::string_view response, std::size_t readSize) {
  MemorySource source(response, readSize);
  BufferedReader reader(source);
  Outcome outcome;
  ProgressHandlers progress;
  progress.workBegin = [&](std::int64_t expected) {
    outcome.events += "begin " + std::to_string(expected) + ";";
  };
  progress.work = [&](std::int64_t count) {
    EXPECT_GT(count, outcome.lastWork) << "the count only grows";
    outcome.lastWork = count;
  };
  progress.workEnd = [&] { outcome.events += "end;"; };
  try {
    ResponseHead head = ReadResponseHead(reader);
    outcome.status = head.statusCode;
    StringOutputStream target(outcome.body);
    ReadBody(reader, FramingOf(head), head, target, progress);
    outcome.headers = head.headers;
  } catch (const Error& error) {
    outcome.error = error.what();
  }
  return outcome;
}

struct FramingCase {
  const char* name;
  std::string response;
  int status;
  std::string body;
  const char* events;
  const char* error;
};

const FramingCase kCases[] = {
    {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", 200, "hello",
     "begin 5;end;", ""},
    {"length zero", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", 200, "", "", ""},
    {"no content", "HTTP/1.1 204 No Content\r\nContent-Length: 9\r\n\r\n", 204, "", "", ""},
    {"short body", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n123456", 200, "123456",
     "begin 10;end;", "Connection Closed Gracefully."},
    {"chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
     "5;ext=1\r\nhello\r\n1A\r\nabcdefghijklmnopqrstuvwxyz\r\n0\r\nX-Trailer: yes\r\n\r\n",
     200, "helloabcdefghijklmnopqrstuvwxyz", "begin 0;end;", ""},
    {"chunked over length", "HTTP/1.1 200 OK\r\nContent-Length: 1\r\n"
     "Transfer-Encoding: gzip, chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n", 200, "abc", "begin 0;end;", ""},
    {"chunked cut", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhel", 200, "hel",
     "begin 0;end;", "Connection Closed Gracefully."},
    {"chunked without end", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nhi\r\n",
     200, "hi", "begin 0;end;", "Connection Closed Gracefully."},
    {"bad chunk size", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", 200, "",
     "begin 0;end;", "Invalid chunk size: zz"},
    {"huge chunk size", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
     "FFFFFFFFFFFFFFFFF\r\n", 200, "", "begin 0;end;", "Invalid chunk size: FFFFFFFFFFFFFFFFF"},
    {"until close", "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\nall of it", 200,
     "all of it", "begin 0;end;", ""},
    {"bad length reads until close", "HTTP/1.1 200 OK\r\nContent-Length: -4\r\n\r\nabc", 200,
     "abc", "begin 0;end;", ""},
    {"multipart", "HTTP/1.1 200 OK\r\nContent-Type: multipart/mixed; boundary=\"XY\"\r\n\r\n"
     "--XY\r\npart\r\n--XY--\r\nafter", 200, "--XY\r\npart\r\n--XY--\r\n", "begin 0;end;", ""},
    {"multipart cut", "HTTP/1.1 200 OK\r\nContent-Type: multipart/mixed; boundary=XY\r\n\r\n"
     "--XY\r\npart", 200, "", "begin 0;end;", "Connection Closed Gracefully."},
    {"informational skipped", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 102 Processing\r\nA: b\r\n\r\n"
     "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", 200, "ok", "begin 2;end;", ""},
    {"switching protocols", "HTTP/1.1 101 Switching Protocols\r\nUpgrade: x\r\n\r\n", 101, "", "",
     ""},
    {"close among headers", "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nX-Cut: ab", 200, "",
     "begin 3;end;", "Connection Closed Gracefully."},
    {"bare line feeds", "HTTP/1.1 200 OK\nContent-Length: 2\n\nok", 200, "ok", "begin 2;end;", ""},
    {"folded header", "HTTP/1.1 200 OK\r\nX-Long: a\r\n  b\r\nContent-Length: 1\r\n\r\nz", 200, "z",
     "begin 1;end;", ""},
    {"nothing", "", 0, "", "", "Connection Closed Gracefully."},
    {"cut status line", "HTTP/1.1 200 O", 0, "", "", "Connection Closed Gracefully."},
    {"status line too long", "HTTP/1.1 200 " + std::string(16380, 'x') + "\r\n\r\n", 0, "", "",
     "Max line length exceeded."},
    {"header line too long", "HTTP/1.1 200 OK\r\nX: " + std::string(20000, 'x'), 0, "", "",
     "Max line length exceeded."},
    {"longest header line", "HTTP/1.1 200 OK\r\nX: " + std::string(16381, 'x') +
     "\r\nContent-Length: 1\r\n\r\n!", 200, "!", "begin 1;end;", ""},
};

TEST(BodyReaderTest, FramingAndEventsForEverySplitOfTheResponse) {
  for (const FramingCase& c : kCases) {
    for (const std::size_t readSize : {std::size_t{1} << 20, std::size_t{1}, std::size_t{2},
                                       std::size_t{3}, std::size_t{7}, std::size_t{64}}) {
      SCOPED_TRACE(std::string(c.name) + ", reads of " + std::to_string(readSize));
      const Outcome outcome = ReadResponse(c.response, readSize);
      EXPECT_EQ(outcome.error, c.error);
      EXPECT_EQ(outcome.body, c.body);
      EXPECT_EQ(outcome.events, c.events);
      if (c.error[0] == '\0') {
        EXPECT_EQ(outcome.status, c.status);
      }
      if (!outcome.body.empty()) {
        EXPECT_EQ(outcome.lastWork, std::int64_t(outcome.body.size()));
      }
    }
  }
}

TEST(BodyReaderTest, ChunkTrailersJoinTheHeaders) {
  const Outcome outcome = ReadResponse(kCases[4].response, 1 << 20);
  EXPECT_EQ(outcome.headers.Find("x-trailer"), "yes");
}

TEST(BodyReaderTest, BlocksAreAtMost32KiBAndHeaderBytesComeFirst) {
  const std::string body(100000, 'b');
  const std::string response =
      "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
  MemorySource source(response);
  BufferedReader reader(source);
  ResponseHead head = ReadResponseHead(reader);
  std::vector<std::int64_t> counts;
  ProgressHandlers progress;
  progress.work = [&](std::int64_t count) { counts.push_back(count); };
  std::string received;
  StringOutputStream target(received);
  ReadBody(reader, FramingOf(head), head, target, progress);
  EXPECT_EQ(received, body);
  const std::int64_t inFirstRead = 32768 - static_cast<std::int64_t>(response.size() - body.size());
  ASSERT_FALSE(counts.empty());
  EXPECT_EQ(counts.front(), inFirstRead) << "the bytes that came with the headers";
  for (std::size_t i = 1; i < counts.size(); ++i) EXPECT_LE(counts[i] - counts[i - 1], 32768);
  EXPECT_EQ(counts.back(), 100000);
}

TEST(ResponseHeadTest, StatusCodeIsTheSecondWordBeforeAnyDot) {
  const struct {
    const char* line;
    int code;
  } cases[] = {{"HTTP/1.1 200 OK", 200}, {"HTTP/1.1 404.3 Not Found", 404},
               {"HTTP/1.0 302", 302},   {"HTTP/1.1 OK", -1},
               {"garbage", -1},         {"HTTP/1.1 2x0 Odd", -1},
               {"HTTP/1.1  200 OK", -1}};
  for (const auto& c : cases) EXPECT_EQ(StatusCode(c.line), c.code) << c.line;
}

}  // namespace
}  // namespace veyra::http
