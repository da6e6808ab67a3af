// Reading a document's text into its element array (the parsing half of Document::ReadFromString).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "services/xml/document.h"

namespace veyra::xml {

// Reads XML 1.0 syntax leniently: stray text outside elements is skipped, declarations may stand
// anywhere, undeclared entities pass. It fails (veyra::Error) only when the text ends inside an
// element, when nothing but blanks follows a "<" inside an element, when an end tag has no ">"
// or names another element, and when the text holds no element at the top level.
class DocumentReader {
 public:
  DocumentReader(std::string_view text, Charset charset, std::vector<Element>& elements)
      : text_(text), charset_(charset), elements_(elements) {}

  void Read();

 private:
  // An element whose end tag has not been read yet.
  struct OpenElement {
    std::size_t index;
    bool has_children = false;
    std::string_view last_run;  // character data since the start tag or the last child node
  };

  bool ReadContentUpToChild();
  void ReadEndTag();
  void ReadNode();
  void ReadElement();
  void SkipPast(std::string_view terminator, std::size_t from);
  void SkipDocumentType(std::size_t from);
  [[noreturn]] void Fail(const char* what, std::string_view name) const;

  std::string_view text_;
  Charset charset_;
  std::vector<Element>& elements_;
  std::vector<OpenElement> open_;
  std::size_t pos_ = 0;
};

}  // namespace veyra::xml
