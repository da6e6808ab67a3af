#include "services/xml/reader.h"

#include <algorithm>
#include <string>

#include "base/error.h"
#include "services/xml/element_names.h"
#include "services/xml/syntax.h"

namespace veyra::xml {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// What follows a "<" and where that markup ends; an empty terminator is the document type
// rule. The first opening the text matches decides; a "<" that matches none begins an element.
// Only elements take part in lookups, so the other kinds are read past and dropped.
struct Markup {
  std::string_view opening;
  std::string_view terminator;
};
constexpr Markup kMarkups[] = {
    {"![CDATA[", "]]>"}, {"!DOCTYPE", ""},         {"!ELEMENT", ">"}, {"!ATTLIST", ">"},
    {"!ENTITY", ">"},    {"!NOTATION", ">"},       {"?xml-stylesheet", "?>"},
    {"?xml", "?>"},      {"!--", "-->"},           {"!", ">"},
    {"?", "?>"},
};

bool HoldsNonBlank(std::string_view text) {
  for (char c : text) {
    if (!IsBlank(c)) return true;
  }
  return false;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimTrailingLineEnds(std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.remove_suffix(1);
  }
  return text;
}

}  // namespace

void DocumentReader::Read() {
  elements_.clear();
  // No more elements than "<" characters, nor than a third of the text ("</>" is the shortest):
  // reserving that spares a large list the array's regrowth.
  const auto openings = static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '<'));
  elements_.reserve(std::min(openings, text_.size() / 3));
  for (;;) {
    if (open_.empty()) {
      const std::size_t next = text_.find('<', pos_);
      if (next == kNone) break;
      pos_ = next + 1;
    } else if (!ReadContentUpToChild()) {
      continue;
    }
    ReadNode();
  }
  if (elements_.empty()) Fail("the text holds no element", {});
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    elements_[i].first_descendant_ = elements_.data() + i + 1;
  }
}

// Reads the innermost open element's character data and the "<" after it. Returns true when a
// child node begins there (pos_ at its first character after the "<"), false when the end tag
// has been read.
bool DocumentReader::ReadContentUpToChild() {
  OpenElement& open = open_.back();
  const std::size_t next = text_.find('<', pos_);
  if (next == kNone) Fail("the text ends inside element", elements_[open.index].name_);
  open.last_run = text_.substr(pos_, next - pos_);
  pos_ = SkipBlanks(text_, next + 1);
  if (pos_ == text_.size()) Fail("nothing follows \"<\" inside element", elements_[open.index].name_);
  if (text_[pos_] == '/') {
    ReadEndTag();
    return false;
  }
  if (!open.has_children) {
    // Data before the first child is the value only when it is more than blanks.
    open.has_children = true;
    if (HoldsNonBlank(open.last_run)) elements_[open.index].value_ = open.last_run;
  }
  return true;
}

void DocumentReader::ReadEndTag() {
  const std::size_t end = FindTagEnd(text_, pos_ + 1);
  const OpenElement open = open_.back();
  Element& element = elements_[open.index];
  if (end == kNone) Fail("an end tag has no \">\" in element", element.name_);
  const std::string_view name = TrimBlanks(text_.substr(pos_ + 1, end - pos_ - 1));
  if (!ElementNamesEqual(name, element.name_, charset_)) {
    Fail("an end tag names another element than", element.name_);
  }
  if (!open.has_children) {
    element.value_ = open.last_run;
  } else if (open.last_run.find('\r') != kNone) {
    // A CR after the last child trims the element's character-data runs, its value included.
    element.value_ = TrimTrailingLineEnds(element.value_);
  }
  element.descendant_count_ = static_cast<std::uint32_t>(elements_.size() - open.index - 1);
  open_.pop_back();
  pos_ = end + 1;
}

// pos_ is at the first character after a "<".
void DocumentReader::ReadNode() {
  const std::string_view rest = text_.substr(pos_);
  if (!rest.starts_with('!') && !rest.starts_with('?')) return ReadElement();
  for (const Markup& markup : kMarkups) {
    if (!rest.starts_with(markup.opening)) continue;
    const std::size_t from = pos_ + markup.opening.size();
    return markup.terminator.empty() ? SkipDocumentType(from) : SkipPast(markup.terminator, from);
  }
  ReadElement();
}

void DocumentReader::ReadElement() {
  const std::size_t end = FindTagEnd(text_, pos_);
  if (end == kNone) Fail("the text ends inside a start tag", {});
  std::string_view tag = text_.substr(pos_, end - pos_);
  pos_ = end + 1;
  const bool closed_at_once = tag.ends_with('/');
  if (closed_at_once) tag.remove_suffix(1);

  const std::size_t name_begin = SkipBlanks(tag, 0);
  const std::size_t name_end = WordEnd(tag, name_begin, /*stop_at_equals=*/false);
  Element& element = elements_.emplace_back();
  element.name_ = tag.substr(name_begin, name_end - name_begin);
  element.attributes_ = tag.substr(name_end);
  element.charset_ = charset_;
  if (!closed_at_once) open_.push_back({elements_.size() - 1, false, {}});
}

void DocumentReader::SkipPast(std::string_view terminator, std::size_t from) {
  const std::size_t found = text_.find(terminator, from);
  pos_ = found == kNone ? text_.size() : found + terminator.size();
}

// A document type declaration ends at ">", an internal subset in square brackets included.
void DocumentReader::SkipDocumentType(std::size_t from) {
  const std::size_t stop = text_.find_first_of("[>", from);
  if (stop != kNone && text_[stop] == '[') {
    const std::size_t subset_end = text_.find(']', stop + 1);
    return SkipPast(">", subset_end == kNone ? text_.size() : subset_end + 1);
  }
  SkipPast(">", from);
}

void DocumentReader::Fail(const char* what, std::string_view name) const {
  std::string message = std::string("XML: ") + what;
  if (!name.empty()) message += " <" + std::string(name) + ">";
  message += " (offset " + std::to_string(pos_) + ")";
  throw Error(message);
}

}  // namespace veyra::xml
