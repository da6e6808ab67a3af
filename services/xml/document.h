// The XML reader of the system: reads an 8-bit text once, leniently, and answers the lookups that
// the settings loader and the patch worker make. It only reads; it never builds or writes XML.
//
// The reader never converts its text. Names and values come back as the bytes of the input, with
// references decoded where a method says so. Lookups, traversal and destruction are iterative, so
// no nesting depth can exhaust the stack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veyra::xml {

// The character set of a document's 8-bit text. The reader needs it in two places only: to spell
// the character of a numeric reference ("&#1048;"), and to compare non-ASCII element names.
enum class Charset {
  kUtf8,
  // The system's ANSI code page; a character it cannot hold becomes "?".
  kAnsiCodePage,
};

class NodeList;

// An element of a read document. It, and any copy of it, is valid as long as its document.
class Element {
 public:
  std::string_view name() const { return name_; }

  // The first descendant element named `name` (letter case ignored) in document order, a parent
  // before its children; the element itself is never a candidate. Null when there is none.
  const Element* FindNode(std::string_view name) const;
  // Empties `list`, then fills it with every descendant element named `name`, in the same order
  // as FindNode; an element below another match is included too.
  void FindNodes(std::string_view name, NodeList& list) const;
  // The first child element named `name`, its ValueAsString; `default_text` when there is none.
  std::string ReadString(std::string_view name, std::string_view default_text) const;

  // The value with references decoded, not trimmed.
  std::string ValueAsString() const;
  // The value as written, as integer text; throws veyra::Error when it does not convert.
  std::int32_t ValueAsInteger() const;
  // By the first character of the value as written: "0", "F", "N" give false, "1", "T", "Y" true
  // (ASCII letters in either case). Throws veyra::Error on an empty value or any other character.
  bool ValueAsBool() const;
  // The value of the first attribute named `name` (ASCII letter case ignored), unquoted, with
  // references decoded; empty when there is none.
  std::string AttributeByName(std::string_view name) const;

 private:
  friend class DocumentReader;

  // The elements below this one follow it directly in the document's element array.
  const Element* descendants_begin() const { return first_descendant_; }
  const Element* descendants_end() const { return first_descendant_ + descendant_count_; }
  bool HasName(std::string_view name) const;

  const Element* first_descendant_ = nullptr;  // set once the array has its final place
  std::string_view name_;
  std::string_view attributes_;  // the start tag after the name
  std::string_view value_;
  std::uint32_t descendant_count_ = 0;
  Charset charset_ = Charset::kUtf8;
};

// An ordered list of elements filled by FindNodes; it owns none of them.
class NodeList {
 public:
  std::size_t Count() const { return items_.size(); }
  // Throws veyra::Error when index is not below Count().
  const Element& Items(std::size_t index) const;

 private:
  friend class Element;
  std::vector<const Element*> items_;
};

class Document {
 public:
  explicit Document(Charset charset = Charset::kUtf8) : charset_(charset) {}
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // Replaces the content with the document read from `text`. Throws veyra::Error when the text
  // does not parse or holds no element at the top level; the document is empty then.
  void ReadFromString(std::string text);

  // The first top-level element. Throws veyra::Error when no read has succeeded.
  const Element& Root() const;

 private:
  Charset charset_;
  std::string text_;
  // Every element in document order: an element is followed by all its descendants.
  std::vector<Element> elements_;
};

}  // namespace veyra::xml
