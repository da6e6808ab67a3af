// Arbitrary bytes through the XML reader: ReadFromString, then every lookup and value conversion
// on the root and on what the lookups find. The last byte picks the charset; the bytes after the
// last "|" (at most 16) are one more name to look up, so the fuzzer can steer matches.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/error.h"
#include "services/xml/document.h"

namespace {

using veyra::xml::Element;

void ReadValues(const Element& element, std::string_view extra_name) {
  (void)element.name();
  (void)element.ValueAsString();
  try {
    (void)element.ValueAsInteger();
  } catch (const veyra::Error&) {
  }
  try {
    (void)element.ValueAsBool();
  } catch (const veyra::Error&) {
  }
  for (std::string_view name : {std::string_view("filename"), std::string_view("original"),
                                extra_name}) {
    (void)element.AttributeByName(name);
  }
}

void LookUp(const Element& element, std::string_view name, std::string_view extra_name) {
  if (const Element* found = element.FindNode(name)) ReadValues(*found, extra_name);
  (void)element.ReadString(name, "default");
  veyra::xml::NodeList list;
  element.FindNodes(name, list);
  for (std::size_t i = 0; i < list.Count(); ++i) ReadValues(list.Items(i), extra_name);
  try {
    (void)list.Items(list.Count());
  } catch (const veyra::Error&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t bar = text.rfind('|');
  const std::string_view extra_name =
      bar == std::string_view::npos ? std::string_view() : text.substr(bar + 1, 16);
  const bool ansi = size > 0 && (data[size - 1] & 1);
  veyra::xml::Document document(ansi ? veyra::xml::Charset::kAnsiCodePage
                                     : veyra::xml::Charset::kUtf8);
  try {
    document.ReadFromString(std::string(text));
  } catch (const veyra::Error&) {
    return 0;
  }
  const Element& root = document.Root();
  ReadValues(root, extra_name);
  const std::string root_name(root.name());
  for (std::string_view name : {std::string_view(root_name), std::string_view("archive"),
                                std::string_view("Version"), extra_name}) {
    LookUp(root, name, extra_name);
  }
  return 0;
}
