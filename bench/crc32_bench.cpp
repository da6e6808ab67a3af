// CRC-32 kernels over a 256 MiB buffer: ours, the byte-wise table loop and zlib's crc32.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <vector>

#include "patch/crc32.h"

namespace {

constexpr std::size_t kBufferSize = 256u << 20;

const std::vector<unsigned char>& Buffer() {
  static const std::vector<unsigned char> buffer = [] {
    std::vector<unsigned char> bytes(kBufferSize);
    std::mt19937 random(1);
    for (auto& byte : bytes) byte = static_cast<unsigned char>(random());
    return bytes;
  }();
  return buffer;
}

template <typename Kernel>
void RunKernel(benchmark::State& state, Kernel kernel) {
  const auto& buffer = Buffer();
  for (auto _ : state) benchmark::DoNotOptimize(kernel(buffer.data(), buffer.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}

void BM_Veyra(benchmark::State& state) {
  RunKernel(state, [](const unsigned char* p, std::size_t n) {
    return veyra::UpdateCRC32(0xFFFFFFFFu, p, n);
  });
}

void BM_BytewiseTable(benchmark::State& state) {
  RunKernel(state, [](const unsigned char* p, std::size_t n) {
    return veyra::UpdateCRC32Bytewise(0xFFFFFFFFu, p, n);
  });
}

void BM_Zlib(benchmark::State& state) {
  RunKernel(state, [](const unsigned char* p, std::size_t n) {
    return crc32_z(0, p, n);
  });
}

BENCHMARK(BM_Veyra)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_BytewiseTable)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Zlib)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
