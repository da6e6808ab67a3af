#include "patch/patch_list.h"

#include "patch/split_line.h"
#include "services/xml/line_breaks.h"

namespace veyra {
namespace {

constexpr char kMarker[] = "2";

bool ClimbsOut(std::string_view component) {
  int dots = 0;
  for (char c : component) {
    if (c == '.') {
      ++dots;
    } else if (c != ' ') {
      return false;
    }
  }
  return dots >= 2;
}

bool HoldsSeparator(std::string_view field) {
  return field.find(kEntrySeparator) != std::string_view::npos;
}

}  // namespace

bool IsSafeGameFileName(std::string_view name) {
  if (name.empty() || name.front() == '\\' || name.front() == '/') return false;
  if (name.find_first_of(std::string_view(":\0", 2)) != std::string_view::npos) return false;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = name.find_first_of("\\/", begin);
    if (ClimbsOut(name.substr(begin, end - begin))) return false;
    if (end == std::string_view::npos) return true;
    begin = end + 1;
  }
}

void ReadPatchListDocument(const std::string& fetched, xml::Document& document) {
  document.ReadFromString(xml::NormalizeLineBreaks(fetched));
}

std::vector<std::string> CollectScanEntries(const xml::Document& document) {
  xml::NodeList archives;
  document.Root().FindNodes("archive", archives);
  std::vector<std::string> entries;
  entries.reserve(archives.Count());
  for (std::size_t i = 0; i < archives.Count(); ++i) {
    const xml::Element& archive = archives.Items(i);
    const std::string filename = archive.AttributeByName("filename");
    const std::string original = archive.AttributeByName("original");
    if (!IsSafeGameFileName(filename) || original.empty()) continue;
    if (HoldsSeparator(filename) || HoldsSeparator(original)) continue;
    entries.push_back(filename + std::string(kEntrySeparator) + original +
                      std::string(kEntrySeparator) + kMarker);
  }
  return entries;
}

}  // namespace veyra
