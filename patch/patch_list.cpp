#include "patch/patch_list.h"

#include "patch/split_line.h"
#include "services/xml/line_breaks.h"

namespace veyra {
namespace {

constexpr char kMarker[] = "2";

bool IsFolderSeparator(char c) { return c == '\\' || c == '/'; }

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
  if (name.empty() || IsFolderSeparator(name.front())) return false;
  std::size_t component_begin = 0;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i == name.size() || IsFolderSeparator(name[i])) {
      if (ClimbsOut(name.substr(component_begin, i - component_begin))) return false;
      component_begin = i + 1;
    } else if (name[i] == ':' || name[i] == '\0') {
      return false;
    }
  }
  return true;
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
    std::string& entry = entries.emplace_back();
    entry.reserve(filename.size() + original.size() + 2 * kEntrySeparator.size() + 1);
    entry.append(filename).append(kEntrySeparator).append(original).append(kEntrySeparator);
    entry.append(kMarker);
  }
  return entries;
}

}  // namespace veyra
