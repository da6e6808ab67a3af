// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <string>

namespace veyra::testing {

class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  const std::string& path() const { return path_; }
  // path() + "/" + name; folders in name may be separated by "/" or "\".
  std::string Path(const std::string& name) const;
  // Writes a file (and its folders) with the given bytes; returns its full path.
  std::string WriteFile(const std::string& name, const std::string& bytes) const;
  // The whole content of a file below the folder.
  std::string ReadFile(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace veyra::testing
