#include "patch/crc32.h"

#include "patch/crc32_clmul.h"

namespace veyra {
namespace {

// Slice-by-8 tables: kSliceTables[k][n] is the register contribution of byte n followed by k zero
// bytes.
constexpr std::array<std::array<std::uint32_t, 256>, 8> MakeSliceTables() {
  std::array<std::array<std::uint32_t, 256>, 8> tables{};
  tables[0] = CRC32Table;
  for (std::size_t k = 1; k < 8; ++k) {
    for (std::size_t n = 0; n < 256; ++n) {
      const std::uint32_t previous = tables[k - 1][n];
      tables[k][n] = (previous >> 8) ^ CRC32Table[previous & 0xFF];
    }
  }
  return tables;
}
constexpr auto kSliceTables = MakeSliceTables();

std::uint32_t LoadLittleEndian32(const unsigned char* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

std::uint32_t UpdateCRC32Sliced(std::uint32_t crc, const unsigned char* p, std::size_t count) {
  const auto& t = kSliceTables;
  for (; count >= 8; p += 8, count -= 8) {
    const std::uint32_t low = LoadLittleEndian32(p) ^ crc;
    const std::uint32_t high = LoadLittleEndian32(p + 4);
    crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
          t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^
          t[0][high >> 24];
  }
  return UpdateCRC32Bytewise(crc, p, count);
}

// The product of two polynomials modulo the CRC polynomial, both in the reflected order of the
// register, where bit 31 holds the coefficient of x^0 and bit 0 that of x^31.
std::uint32_t MultiplyModPolynomial(std::uint32_t a, std::uint32_t b) {
  std::uint32_t product = 0;
  for (std::uint32_t term = 1u << 31; term != 0; term >>= 1) {
    if (a & term) product ^= b;
    b = (b & 1) ? (b >> 1) ^ 0xEDB88320u : b >> 1;  // b times x
  }
  return product;
}

}  // namespace

std::uint32_t UpdateCRC32Bytewise(std::uint32_t crc, const void* bytes, std::size_t count) {
  const auto* p = static_cast<const unsigned char*>(bytes);
  for (std::size_t i = 0; i < count; ++i) crc = (crc >> 8) ^ CRC32Table[(crc ^ p[i]) & 0xFF];
  return crc;
}

std::uint32_t UpdateCRC32(std::uint32_t crc, const void* bytes, std::size_t count) {
  const auto* p = static_cast<const unsigned char*>(bytes);
  static const bool use_clmul = CarrylessMultiplyAvailable();
  if (use_clmul && count >= kClmulMinimumLength) {
    const std::size_t folded = count & ~std::size_t{15};
    crc = UpdateCRC32Clmul(crc, p, folded);
    p += folded;
    count -= folded;
  }
  return UpdateCRC32Sliced(crc, p, count);
}

// Running the register over n zero bytes multiplies it by x^(8n); the power is built by squaring.
std::uint32_t CombineCRC32(std::uint32_t first, std::uint32_t second, std::uint64_t second_length) {
  std::uint32_t power = 1u << 23;  // x^8, one byte
  for (; second_length != 0; second_length >>= 1) {
    if (second_length & 1) first = MultiplyModPolynomial(first, power);
    power = MultiplyModPolynomial(power, power);
  }
  return first ^ second;
}

std::string FormatCRC32(std::uint32_t checksum) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(8, '0');
  for (int i = 7; i >= 0; --i, checksum >>= 4) text[i] = kDigits[checksum & 0xF];
  return text;
}

}  // namespace veyra
