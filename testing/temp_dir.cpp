#include "testing/temp_dir.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/error.h"

namespace veyra::testing {
namespace fs = std::filesystem;

namespace {

fs::path UniqueFolder() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::ostringstream name;
  name << "veyra-test-" << stamp << '-' << counter++;
  return fs::temp_directory_path() / name.str();
}

std::string Slashed(std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  return name;
}

}  // namespace

TempDir::TempDir() {
  const fs::path folder = UniqueFolder();
  fs::create_directories(folder);
  path_ = folder.string();
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

std::string TempDir::Path(const std::string& name) const {
  return (fs::path(path_) / Slashed(name)).string();
}

std::string TempDir::WriteFile(const std::string& name, const std::string& bytes) const {
  const fs::path file = Path(name);
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw Error("cannot write " + file.string());
  return file.string();
}

std::string TempDir::ReadFile(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  if (!in) throw Error("cannot read " + Path(name));
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace veyra::testing
