// The CRC-32 kernel that folds 64 bytes at a time with carry-less multiplication (PCLMULQDQ).
#pragma once

#include <cstddef>
#include <cstdint>

namespace veyra {

inline constexpr std::size_t kClmulMinimumLength = 64;

// Whether this processor runs UpdateCRC32Clmul (PCLMULQDQ and SSE4.1).
bool CarrylessMultiplyAvailable();

// Advances the CRC register over count bytes; count is at least kClmulMinimumLength and a
// multiple of 16.
std::uint32_t UpdateCRC32Clmul(std::uint32_t crc, const unsigned char* p, std::size_t count);

}  // namespace veyra
