#include "services/http/headers.h"

#include <algorithm>

#include "services/http/url.h"

namespace veyra::http {

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

void Headers::Add(std::string name, std::string value) {
  fields_.emplace_back(std::move(name), std::move(value));
}

void Headers::AddLine(std::string_view line) {
  if ((line.starts_with(' ') || line.starts_with('\t')) && !fields_.empty()) {
    fields_.back().second += ' ';
    fields_.back().second += TrimBlanks(line);
    return;
  }
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return;
  Add(std::string(TrimBlanks(line.substr(0, colon))),
      std::string(TrimBlanks(line.substr(colon + 1))));
}

std::optional<std::string_view> Headers::Find(std::string_view name) const {
  for (const Field& field : fields_) {
    if (EqualsIgnoringCase(field.first, name)) return field.second;
  }
  return std::nullopt;
}

std::vector<std::string_view> Headers::FindAll(std::string_view name) const {
  std::vector<std::string_view> values;
  for (const Field& field : fields_) {
    if (EqualsIgnoringCase(field.first, name)) values.push_back(field.second);
  }
  return values;
}

bool Headers::HasToken(std::string_view name, std::string_view token) const {
  for (std::string_view list : FindAll(name)) {
    while (!list.empty()) {
      const std::size_t comma = list.find(',');
      if (EqualsIgnoringCase(TrimBlanks(list.substr(0, comma)), token)) return true;
      list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    }
  }
  return false;
}

std::string MediaType(std::string_view contentType) {
  std::string type(TrimBlanks(contentType.substr(0, contentType.find(';'))));
  std::transform(type.begin(), type.end(), type.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return type;
}

std::optional<std::string> HeaderParameter(std::string_view value, std::string_view name) {
  std::size_t semicolon = value.find(';');
  while (semicolon != std::string_view::npos) {
    value.remove_prefix(semicolon + 1);
    semicolon = value.find(';');
    const std::string_view parameter = value.substr(0, semicolon);
    const std::size_t equals = parameter.find('=');
    if (equals == std::string_view::npos) continue;
    if (!EqualsIgnoringCase(TrimBlanks(parameter.substr(0, equals)), name)) continue;
    std::string_view result = TrimBlanks(parameter.substr(equals + 1));
    if (result.size() >= 2 && result.front() == '"' && result.back() == '"') {
      result = result.substr(1, result.size() - 2);
    }
    return std::string(result);
  }
  return std::nullopt;
}

}  // namespace veyra::http
