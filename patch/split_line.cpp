#include "patch/split_line.h"

namespace veyra {

std::vector<std::string> SplitLine(std::string_view text, std::string_view separator) {
  std::vector<std::string> fields;
  for (std::size_t at = text.find(separator); at != std::string_view::npos && at > 0;
       at = text.find(separator)) {
    fields.emplace_back(text.substr(0, at));
    text.remove_prefix(at + separator.size());
  }
  fields.emplace_back(text);
  return fields;
}

}  // namespace veyra
