// The client against a real nginx on loopback: keep-alive proven from nginx's own log, a large file
// byte for byte, a 404, and HTTPS with a test certificate authority.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <sstream>
#include <thread>

#include "base/error.h"
#include "platform/files.h"
#include "platform/tls.h"
#include "services/http/client.h"
#include "services/http/protocol_error.h"
#include "testing/nginx_server.h"
#include "testing/temp_dir.h"

namespace veyra::http {
namespace {

using testing::NginxServer;
using testing::RunShell;

// Bytes that differ at every position of a long stretch, so a lost or doubled block shows.
std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t state = 12345;
  for (char& c : bytes) {
    state = state * 1103515245 + 12345;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

std::size_t Count(const std::string& text, char c) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

class NginxTest : public ::testing::Test {
 protected:
  NginxTest() {
    folder_.WriteFile("www/small.txt", "small file\n");
    folder_.WriteFile("www/large.bin", Pattern(24 << 20));
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(nginx_.port()) + path;
  }

  testing::TempDir folder_;
  NginxServer nginx_{folder_.Path("nginx"), folder_.Path("www"), /*withTls=*/true};
};

TEST_F(NginxTest, ManyGetsTravelOverOneConnection) {
  HttpClient client;
  for (int i = 0; i < 200; ++i) ASSERT_EQ(client.GetText(Url("/small.txt?n=" + std::to_string(i))), "small file\n");
  // nginx writes a request's line just after its response: wait for the last one.
  for (int wait = 0; wait < 1000 && Count(nginx_.AccessLog(), '\n') < 200; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::istringstream log(nginx_.AccessLog());
  std::map<std::string, int> requestsPerConnection;
  std::string connection;
  int requests = 0;
  std::string rest;
  int lines = 0;
  while (log >> connection >> requests && std::getline(log, rest)) {
    ++lines;
    EXPECT_EQ(requests, ++requestsPerConnection[connection]) << "requests counted in order";
  }
  EXPECT_EQ(lines, 200);
  EXPECT_EQ(requestsPerConnection.size(), 1u) << nginx_.AccessLog().substr(0, 400);
}

TEST_F(NginxTest, LargeFileArrivesByteForByte) {
  HttpClient client;
  std::int64_t begun = -1, last = 0;
  int ends = 0;
  client.SetProgressHandlers({[&](std::int64_t expected) { begun = expected; },
                              [&](std::int64_t count) { last = count; }, [&] { ++ends; }});
  {
    platform::File file = platform::File::Create(folder_.Path("copy.bin"));
    FileOutputStream target(file);
    client.Get(Url("/large.bin"), target);
  }
  EXPECT_EQ(begun, 24 << 20);
  EXPECT_EQ(last, 24 << 20);
  EXPECT_EQ(ends, 1);
  EXPECT_TRUE(folder_.ReadFile("copy.bin") == folder_.ReadFile("www/large.bin"));
}

TEST_F(NginxTest, MissingFileIsAProtocolErrorAndTheStreamStaysEmpty) {
  HttpClient client;
  std::string body;
  StringOutputStream target(body);
  try {
    client.Get(Url("/missing.lzma"), target);
    FAIL() << "404 succeeded";
  } catch (const ProtocolError& error) {
    EXPECT_STREQ(error.what(), "HTTP/1.1 404 Not Found");
    EXPECT_EQ(error.statusCode(), 404);
    EXPECT_NE(error.body().find("404 Not Found"), std::string::npos) << error.body();
  }
  EXPECT_EQ(body, "");
  EXPECT_EQ(client.GetText(Url("/small.txt")), "small file\n") << "the client goes on";
}

// HTTPS runs in a child `veyra fetch`, so the test authority can be trusted through OpenSSL's
// SSL_CERT_FILE for that process alone.
class HttpsTest : public NginxTest {
 protected:
  // Exit status of veyra fetch; its standard error goes to error_.
  int Fetch(const std::string& url, bool trustTestAuthority) {
    const std::string command = std::string(trustTestAuthority ? "SSL_CERT_FILE='" + nginx_.caFile() + "' " : "") +
                                "'" VEYRA_TOOL "' fetch '" + url + "' -o '" + folder_.Path("out") +
                                "' 2>'" + folder_.Path("error") + "'";
    const int status = std::system(command.c_str());
    error_ = folder_.ReadFile("error");
    return status;
  }
  std::string TlsUrl(const std::string& host, const std::string& path) const {
    return "https://" + host + ":" + std::to_string(nginx_.tlsPort()) + path;
  }
  std::string error_;
};

TEST_F(HttpsTest, VerifiedServerServesTheFile) {
  ASSERT_EQ(Fetch(TlsUrl("localhost", "/large.bin"), true), 0) << error_;
  EXPECT_TRUE(folder_.ReadFile("out") == folder_.ReadFile("www/large.bin"));
}

TEST_F(HttpsTest, UnknownAuthorityFails) {
  EXPECT_NE(Fetch(TlsUrl("localhost", "/small.txt"), false), 0);
  EXPECT_NE(error_.find("certificate"), std::string::npos) << error_;
  EXPECT_FALSE(platform::FileExists(folder_.Path("out"))) << "a failed fetch leaves no file";
}

TEST_F(HttpsTest, CertificateForAnotherNameFails) {
  EXPECT_NE(Fetch(TlsUrl("127.0.0.1", "/small.txt"), true), 0);
  EXPECT_NE(error_.find("mismatch"), std::string::npos) << error_;
}

TEST_F(HttpsTest, UnknownAuthorityFailsInThisProcessToo) {
  HttpClient client;
  try {
    client.GetText(TlsUrl("localhost", "/small.txt"));
    FAIL() << "an unverified server was accepted";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("TLS handshake failed"), std::string::npos)
        << error.what();
  }
}

// An old server that offers nothing newer than TLS 1.1 is refused.
TEST_F(HttpsTest, ServerWithoutTls12IsRefused) {
  const std::string port = std::to_string(nginx_.tlsPort() + 1);
  RunShell("cd '" + folder_.Path("nginx") + "' && (openssl s_server -accept 127.0.0.1:" + port +
           " -cert server.pem -key server.key -tls1_1 -cipher 'DEFAULT:@SECLEVEL=0' -www"
           " -quiet >/dev/null 2>&1 & echo $! > s_server.pid) && sleep 0.5");
  const int status = Fetch("https://localhost:" + port + "/", true);
  RunShell("kill $(cat '" + folder_.Path("nginx/s_server.pid") + "')");
  EXPECT_NE(status, 0);
  EXPECT_NE(error_.find("TLS handshake failed"), std::string::npos) << error_;
}

}  // namespace
}  // namespace veyra::http
