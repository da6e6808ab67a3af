// Header fields of a response, in the order they arrived; names compare without regard to case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veyra::http {

class Headers {
 public:
  using Field = std::pair<std::string, std::string>;

  void Add(std::string name, std::string value);
  // Adds a raw "Name: value" line; a line starting with a blank continues the previous field.
  // Lines without a colon are ignored.
  void AddLine(std::string_view line);
  // The first field of that name.
  std::optional<std::string_view> Find(std::string_view name) const;
  std::vector<std::string_view> FindAll(std::string_view name) const;
  // Whether the comma-separated list of every field of that name holds the token.
  bool HasToken(std::string_view name, std::string_view token) const;
  const std::vector<Field>& fields() const { return fields_; }

 private:
  std::vector<Field> fields_;
};

std::string_view TrimBlanks(std::string_view text);

// "type/subtype" of a Content-Type value, lower case, without parameters.
std::string MediaType(std::string_view contentType);
// A parameter of a header value such as Content-Type ("text/html; charset=UTF-8"), unquoted.
std::optional<std::string> HeaderParameter(std::string_view value, std::string_view name);

}  // namespace veyra::http
