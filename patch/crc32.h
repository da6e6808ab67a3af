// CRC-32 as zip and PNG compute it: reflected polynomial 0xEDB88320, register preset to
// 0xFFFFFFFF, final complement. "123456789" gives CBF43926.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace veyra {

// The byte-wise table: entry n is n shifted through the polynomial eight times.
constexpr std::array<std::uint32_t, 256> MakeCRC32Table() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    table[n] = c;
  }
  return table;
}
inline constexpr std::array<std::uint32_t, 256> CRC32Table = MakeCRC32Table();

// Advances the CRC register over count bytes. Gives exactly what UpdateCRC32Bytewise gives, using
// carry-less multiplication where the processor has it and sliced tables elsewhere.
std::uint32_t UpdateCRC32(std::uint32_t crc, const void* bytes, std::size_t count);

// The definition, one table look-up per byte; the reference for tests and benchmarks.
std::uint32_t UpdateCRC32Bytewise(std::uint32_t crc, const void* bytes, std::size_t count);

// Joins the checksums of two pieces of data: given the register after the first piece (first) and
// the register the second piece gives when started from 0 (second), returns the register after
// both pieces, as if they had been checksummed in one run. Takes time in log(second_length).
std::uint32_t CombineCRC32(std::uint32_t first, std::uint32_t second, std::uint64_t second_length);

// 8 upper-case hexadecimal digits with leading zeros.
std::string FormatCRC32(std::uint32_t checksum);

// The checksum of a whole file, read in large blocks; large files are read and checksummed in two
// halves at once. The file is opened with no sharing, so the call fails while any other handle to
// it is open; it also fails when the file is missing or cannot be read to its end.
std::string FileCRC32(const std::string& path);

}  // namespace veyra
