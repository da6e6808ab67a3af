#include "services/xml/document.h"

#include <optional>
#include <utility>

#include "base/error.h"
#include "base/integer_text.h"
#include "services/xml/element_names.h"
#include "services/xml/reader.h"
#include "services/xml/references.h"
#include "services/xml/syntax.h"

namespace veyra::xml {
namespace {

// The stored value (quotes included) of the first attribute named `name` in the part of a start
// tag after the element name: words of the form name=value, blanks allowed around "=".
std::optional<std::string_view> FindStoredAttribute(std::string_view attributes,
                                                    std::string_view name) {
  std::size_t pos = SkipBlanks(attributes, 0);
  while (pos < attributes.size()) {
    const std::size_t name_end = WordEnd(attributes, pos, /*stop_at_equals=*/true);
    const std::string_view attribute_name = attributes.substr(pos, name_end - pos);
    std::string_view value;
    pos = SkipBlanks(attributes, name_end);
    if (pos < attributes.size() && attributes[pos] == '=') {
      const std::size_t value_begin = SkipBlanks(attributes, pos + 1);
      pos = WordEnd(attributes, value_begin, /*stop_at_equals=*/false);
      value = attributes.substr(value_begin, pos - value_begin);
      pos = SkipBlanks(attributes, pos);
    }
    if (AttributeNamesEqual(attribute_name, name)) return value;
  }
  return std::nullopt;
}

}  // namespace

bool Element::HasName(std::string_view name) const {
  return ElementNamesEqual(name_, name, charset_);
}

const Element* Element::FindNode(std::string_view name) const {
  for (const Element* e = descendants_begin(); e != descendants_end(); ++e) {
    if (e->HasName(name)) return e;
  }
  return nullptr;
}

void Element::FindNodes(std::string_view name, NodeList& list) const {
  list.items_.clear();
  for (const Element* e = descendants_begin(); e != descendants_end(); ++e) {
    if (e->HasName(name)) list.items_.push_back(e);
  }
}

std::string Element::ReadString(std::string_view name, std::string_view default_text) const {
  for (const Element* child = descendants_begin(); child != descendants_end();
       child = child->descendants_end()) {
    if (child->HasName(name)) return child->ValueAsString();
  }
  return std::string(default_text);
}

std::string Element::ValueAsString() const { return DecodeReferences(value_, charset_); }

std::int32_t Element::ValueAsInteger() const {
  const std::optional<std::int32_t> value = ParseIntegerText(value_);
  if (!value) {
    throw Error("XML: <" + std::string(name_) + "> holds no integer: \"" + std::string(value_) +
                "\"");
  }
  return *value;
}

bool Element::ValueAsBool() const {
  switch (value_.empty() ? '\0' : value_.front()) {
    case '0': case 'f': case 'F': case 'n': case 'N':
      return false;
    case '1': case 't': case 'T': case 'y': case 'Y':
      return true;
    default:
      throw Error("XML: <" + std::string(name_) + "> holds no Boolean: \"" +
                  std::string(value_) + "\"");
  }
}

std::string Element::AttributeByName(std::string_view name) const {
  const std::optional<std::string_view> stored = FindStoredAttribute(attributes_, name);
  if (!stored) return {};
  std::string value = UnquoteAttributeValue(*stored);
  if (value.find('&') == std::string::npos) return value;
  return DecodeReferences(value, charset_);
}

const Element& NodeList::Items(std::size_t index) const {
  if (index >= items_.size()) {
    throw Error("XML: node list index " + std::to_string(index) + " is out of range (count " +
                std::to_string(items_.size()) + ")");
  }
  return *items_[index];
}

void Document::ReadFromString(std::string text) {
  elements_.clear();
  text_ = std::move(text);
  try {
    DocumentReader(text_, charset_, elements_).Read();
  } catch (...) {
    elements_.clear();
    text_.clear();
    throw;
  }
}

const Element& Document::Root() const {
  if (elements_.empty()) throw Error("XML: the document holds no element");
  return elements_.front();
}

}  // namespace veyra::xml
