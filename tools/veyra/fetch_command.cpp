#include <cstdio>
#include <exception>
#include <optional>

#include "base/error.h"
#include "platform/console.h"
#include "platform/files.h"
#include "services/http/client.h"
#include "tools/veyra/command.h"

namespace veyra::tool {
namespace {

// Writes the body to standard output as it arrives.
class StandardOutputStream : public http::OutputStream {
 public:
  StandardOutputStream() { platform::UseBinaryStandardOutput(); }
  void Write(std::string_view bytes) override {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
      throw Error("cannot write to standard output");
    }
  }
};

// A one-line bar on standard error, redrawn when the shown value changes.
class ProgressBar {
 public:
  http::ProgressHandlers Handlers() {
    return {[this](std::int64_t expected) { expected_ = expected; },
            [this](std::int64_t count) { Draw(count); },
            [this] { std::fputc('\n', stderr); }};
  }

 private:
  void Draw(std::int64_t count) {
    constexpr int kWidth = 40;
    const double mebibytes = static_cast<double>(count) / (1024 * 1024);
    if (expected_ <= 0) {
      std::fprintf(stderr, "\r%10.1f MiB", mebibytes);
      return;
    }
    const int percent = static_cast<int>(count * 100 / expected_);
    if (percent == shown_) return;
    shown_ = percent;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r[%.*s%*s] %3d%% %10.1f MiB", filled,
                 "########################################", kWidth - filled, "", percent,
                 mebibytes);
  }

  std::int64_t expected_ = 0;
  int shown_ = -1;
};

int Usage() {
  std::fputs("usage: veyra fetch URL [-o FILE]\n", stderr);
  return 1;
}

}  // namespace

// Fetches one URL with the updater's HTTP client into a file or to standard output. A failed
// fetch leaves no file behind.
int FetchCommand(const Arguments& args) {
  std::optional<std::string> url;
  std::optional<std::string> outputPath;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      outputPath = args[++i];
    } else if (!url && !args[i].starts_with('-')) {
      url = args[i];
    } else {
      return Usage();
    }
  }
  if (!url) return Usage();

  http::HttpClient client;
  ProgressBar bar;
  if (platform::StandardErrorIsTerminal()) client.SetProgressHandlers(bar.Handlers());
  try {
    if (outputPath) {
      platform::File file = platform::File::Create(*outputPath);
      http::FileOutputStream target(file);
      try {
        client.Get(*url, target);
      } catch (...) {
        file.Close();
        platform::DeleteFile(*outputPath);
        throw;
      }
    } else {
      StandardOutputStream target;
      client.Get(*url, target);
      std::fflush(stdout);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}

}  // namespace veyra::tool
