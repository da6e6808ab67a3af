// The HTTP client against curl, on loopback from a real nginx: a 1 GiB file into a file, 2,000
// files of 4 KiB over one kept-alive connection, and the peak memory of a 1 GiB get against a
// 1 MiB get. Every side runs as its own process under /usr/bin/time, three times; the best run
// counts.
//   http_bench FOLDER              runs everything with its files in FOLDER
//   http_bench many PREFIX COUNT   (the veyra side of the small files) gets PREFIX0 .. PREFIXn-1
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "services/http/client.h"
#include "testing/nginx_server.h"

namespace {

using veyra::testing::NginxServer;
using veyra::testing::RunShell;

constexpr int kSmallFiles = 2000;
constexpr int kRuns = 3;

class Discard : public veyra::http::OutputStream {
 public:
  void Write(std::string_view) override {}
};

int Many(const std::string& prefix, int count) {
  veyra::http::HttpClient client;
  Discard target;
  for (int i = 0; i < count; ++i) client.Get(prefix + std::to_string(i), target);
  return 0;
}

struct Measure {
  double seconds = 1e300;
  double peakMiB = 0;
};

// Runs a command under /usr/bin/time; keeps the fastest run and the largest peak.
Measure Time(const std::string& folder, const std::string& command) {
  Measure best;
  for (int run = 0; run < kRuns; ++run) {
    const std::string timing = folder + "/time.txt";
    RunShell("/usr/bin/time -f '%e %M' -o '" + timing + "' " + command);
    std::ifstream in(timing);
    double seconds = 0, kib = 0;
    in >> seconds >> kib;
    best.seconds = std::min(best.seconds, std::max(seconds, 0.01));
    best.peakMiB = std::max(best.peakMiB, kib / 1024);
  }
  return best;
}

void Row(const char* what, double veyra, double curl, const char* unit) {
  std::printf("%-34s %12.2f %12.2f  %-6s %6.2fx\n", what, veyra, curl, unit, veyra / curl);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "many") return Many(argv[2], std::stoi(argv[3]));
  if (argc != 2) {
    std::fputs("usage: http_bench FOLDER\n", stderr);
    return 2;
  }
  namespace fs = std::filesystem;
  const std::string folder = fs::absolute(argv[1]).string();
  const std::string www = folder + "/www";
  fs::create_directories(www + "/small");
  if (!fs::exists(www + "/1g.bin")) {
    RunShell("head -c 1073741824 /dev/urandom > '" + www + "/1g.bin'");
    RunShell("head -c 1048576 /dev/urandom > '" + www + "/1m.bin'");
    for (int i = 0; i < kSmallFiles; ++i) {
      std::ofstream(www + "/small/" + std::to_string(i)) << std::string(4096, 'a' + i % 26);
    }
  }
  const NginxServer nginx(folder + "/nginx", www);
  const std::string base = "http://127.0.0.1:" + std::to_string(nginx.port());
  const std::string tool = VEYRA_TOOL;
  const std::string self = fs::absolute(argv[0]).string();
  const std::string out = folder + "/out.bin";

  const Measure veyraLarge = Time(folder, "'" + tool + "' fetch " + base + "/1g.bin -o '" + out + "'");
  const Measure curlLarge = Time(folder, "curl -s -o '" + out + "' " + base + "/1g.bin");
  const Measure veyraSmallGet = Time(folder, "'" + tool + "' fetch " + base + "/1m.bin -o '" + out + "'");
  const Measure curlSmallGet = Time(folder, "curl -s -o '" + out + "' " + base + "/1m.bin");
  fs::remove(out);

  {
    std::ofstream config(folder + "/curl-many.txt");
    for (int i = 0; i < kSmallFiles; ++i) {
      config << "url = \"" << base << "/small/" << i << "\"\noutput = \"/dev/null\"\n";
    }
  }
  const Measure veyraMany = Time(folder, "'" + self + "' many " + base + "/small/ " + std::to_string(kSmallFiles));
  const Measure curlMany = Time(folder, "curl -s -K '" + folder + "/curl-many.txt'");

  std::printf("%-34s %12s %12s\n", "", "veyra", "curl");
  Row("1 GiB into a file", 1024 / veyraLarge.seconds, 1024 / curlLarge.seconds, "MiB/s");
  Row("2,000 x 4 KiB, one connection", kSmallFiles / veyraMany.seconds,
      kSmallFiles / curlMany.seconds, "file/s");
  Row("peak RSS, 1 GiB get", veyraLarge.peakMiB, curlLarge.peakMiB, "MiB");
  Row("peak RSS, 1 MiB get", veyraSmallGet.peakMiB, curlSmallGet.peakMiB, "MiB");
  std::printf("veyra peak RSS growth from 1 MiB to 1 GiB: %.2f MiB\n",
              veyraLarge.peakMiB - veyraSmallGet.peakMiB);
  return 0;
}
