// Writes SIZE bytes of mixed content to standard output: text-like lines, binary records and runs
// of zeros in 64 KiB blocks, the kind of data a game installation holds. Deterministic.
// Usage: mixed_data SIZE_MIB
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

class MixedData {
 public:
  MixedData() : vocabulary_(MakeVocabulary()) {}

  // One block of text (45 %), binary records (35 %) or zeros (20 %).
  std::string NextBlock() {
    const unsigned kind = Next() % 100;
    if (kind < 45) return TextBlock();
    if (kind < 80) return BinaryBlock();
    return std::string(kBlockSize, '\0');
  }

 private:
  std::uint32_t Next() { return static_cast<std::uint32_t>(random_()); }

  std::vector<std::string> MakeVocabulary() {
    static const char* const kSyllables[] = {"ka", "ro", "ve", "li", "an", "dor", "mi", "ta",
                                             "sel", "un", "gra", "th", "es", "ol", "qui", "z"};
    std::vector<std::string> words(4000);
    for (std::string& word : words) {
      const unsigned syllables = 1 + Next() % 4;
      for (unsigned i = 0; i < syllables; ++i) word += kSyllables[Next() % 16];
    }
    return words;
  }

  // Frequent words are much more frequent than rare ones, as in real text.
  const std::string& Word() {
    const double r = std::uniform_real_distribution<double>(0, 1)(random_);
    return vocabulary_[static_cast<std::size_t>(r * r * r * vocabulary_.size())];
  }

  std::string TextBlock() {
    std::string block;
    while (block.size() < kBlockSize) {
      block += Word();
      block += Next() % 12 == 0 ? " = " + std::to_string(Next() % 100000) + "\r\n" : " ";
    }
    block.resize(kBlockSize);
    return block;
  }

  // 16-byte records: a rising index, a small value, a slowly changing float and sometimes noise.
  std::string BinaryBlock() {
    std::string block(kBlockSize, '\0');
    float level = static_cast<float>(Next() % 1000);
    for (std::size_t at = 0; at + 16 <= kBlockSize; at += 16) {
      level += static_cast<float>(Next() % 7) - 3.0f;
      std::uint32_t level_bits;
      std::memcpy(&level_bits, &level, sizeof level_bits);
      const std::uint32_t record[4] = {record_++, Next() % 64, level_bits,
                                       Next() % 4 == 0 ? Next() : 0};
      std::memcpy(block.data() + at, record, sizeof record);
    }
    return block;
  }

  std::mt19937 random_{20240601};
  std::vector<std::string> vocabulary_;
  std::uint32_t record_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: mixed_data SIZE_MIB\n", stderr);
    return 1;
  }
  const std::size_t blocks = std::strtoull(argv[1], nullptr, 10) * (1024 * 1024 / kBlockSize);
  MixedData data;
  for (std::size_t i = 0; i < blocks; ++i) {
    const std::string block = data.NextBlock();
    if (std::fwrite(block.data(), 1, block.size(), stdout) != block.size()) return 1;
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
