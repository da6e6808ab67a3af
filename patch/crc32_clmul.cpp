// Folding as in Intel's "Fast CRC Computation for Generic Polynomials Using PCLMULQDQ": four
// 128-bit lanes are folded forward by 512 bits per step, then into one lane, then reduced to 32
// bits by a Barrett reduction. The constants are x^k mod P for the bit-reflected polynomial.
#include "patch/crc32_clmul.h"

#include <immintrin.h>

namespace veyra {
namespace {

#define VEYRA_CLMUL_TARGET __attribute__((target("pclmul,sse4.1")))

// x^(4*128+32) mod P and x^(4*128-32) mod P: folds a lane 512 bits forward.
constexpr std::uint64_t kFold512Low = 0x154442bd4, kFold512High = 0x1c6e41596;
// x^(128+32) mod P and x^(128-32) mod P: folds a lane 128 bits forward.
constexpr std::uint64_t kFold128Low = 0x1751997d0, kFold128High = 0x0ccaa009e;
// x^64 mod P: folds 64 bits into 32.
constexpr std::uint64_t kFold64 = 0x163cd6124;
// The polynomial P' and the Barrett constant mu = x^64 / P.
constexpr std::uint64_t kPolynomial = 0x1db710641, kBarrettMu = 0x1f7011641;

VEYRA_CLMUL_TARGET inline __m128i Pair(std::uint64_t low, std::uint64_t high) {
  return _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
}

VEYRA_CLMUL_TARGET inline __m128i Load(const unsigned char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// lane * x^distance folded onto next: the low half times keys' low, the high half times keys'
// high, both added to next.
VEYRA_CLMUL_TARGET inline __m128i Fold(__m128i lane, __m128i keys, __m128i next) {
  const __m128i low = _mm_clmulepi64_si128(lane, keys, 0x00);
  const __m128i high = _mm_clmulepi64_si128(lane, keys, 0x11);
  return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

VEYRA_CLMUL_TARGET std::uint32_t ReduceTo32(__m128i lane) {
  const __m128i low32_mask = _mm_setr_epi32(~0, 0, ~0, 0);
  // 128 -> 64 bits.
  const __m128i fold128 = Pair(kFold128Low, kFold128High);
  lane = _mm_xor_si128(_mm_clmulepi64_si128(lane, fold128, 0x10), _mm_srli_si128(lane, 8));
  // 64 -> 32 bits (kept in bits 32..63).
  const __m128i fold64 = Pair(kFold64, 0);
  lane = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(lane, low32_mask), fold64, 0x00),
                       _mm_srli_si128(lane, 4));
  // Barrett reduction.
  const __m128i barrett = Pair(kPolynomial, kBarrettMu);
  __m128i t = _mm_clmulepi64_si128(_mm_and_si128(lane, low32_mask), barrett, 0x10);
  t = _mm_clmulepi64_si128(_mm_and_si128(t, low32_mask), barrett, 0x00);
  return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_xor_si128(lane, t), 1));
}

}  // namespace

bool CarrylessMultiplyAvailable() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
}

VEYRA_CLMUL_TARGET std::uint32_t UpdateCRC32Clmul(std::uint32_t crc, const unsigned char* p,
                                                  std::size_t count) {
  __m128i lane0 = _mm_xor_si128(Load(p), _mm_cvtsi32_si128(static_cast<int>(crc)));
  __m128i lane1 = Load(p + 16), lane2 = Load(p + 32), lane3 = Load(p + 48);
  p += 64;
  count -= 64;

  const __m128i fold512 = Pair(kFold512Low, kFold512High);
  for (; count >= 64; p += 64, count -= 64) {
    lane0 = Fold(lane0, fold512, Load(p));
    lane1 = Fold(lane1, fold512, Load(p + 16));
    lane2 = Fold(lane2, fold512, Load(p + 32));
    lane3 = Fold(lane3, fold512, Load(p + 48));
  }

  const __m128i fold128 = Pair(kFold128Low, kFold128High);
  __m128i lane = Fold(lane0, fold128, lane1);
  lane = Fold(lane, fold128, lane2);
  lane = Fold(lane, fold128, lane3);
  for (; count >= 16; p += 16, count -= 16) lane = Fold(lane, fold128, Load(p));
  return ReduceTo32(lane);
}

}  // namespace veyra
