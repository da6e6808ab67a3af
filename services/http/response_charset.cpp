#include "services/http/response_charset.h"

#include <optional>

#include "services/http/url.h"

namespace veyra::http {
namespace {

bool IsXmlSubtype(std::string_view subtype) {
  return subtype == "xml" || subtype == "xml-external-parsed-entity" || subtype.ends_with("+xml");
}

bool IsNonTextXml(std::string_view type) {
  if (type == "application/xml" || type == "application/xml-external-parsed-entity" ||
      type == "application/xml-dtd") {
    return true;
  }
  return !type.starts_with("text/") && type.ends_with("+xml");
}

bool IsHtml(std::string_view type) {
  return type == "text/html" || type == "text/html-sandboxed" || type == "application/xhtml+xml";
}

// The value of name="value" (or 'value', or unquoted) inside a tag's text.
std::optional<std::string> AttributeValue(std::string_view tag, std::string_view name);

std::string XmlCharset(std::string_view body) {
  if (body.starts_with("\xEF\xBB\xBF")) return "UTF-8";
  if (body.starts_with("\xFF\xFE")) return "UTF-16LE";
  if (body.starts_with("\xFE\xFF")) return "UTF-16BE";
  if (body.starts_with("<?xml")) {
    const std::string_view declaration = body.substr(0, body.find("?>"));
    if (auto encoding = AttributeValue(declaration, "encoding")) return *encoding;
  }
  return "UTF-8";
}


std::size_t FindIgnoringCase(std::string_view text, std::string_view word, std::size_t from) {
  for (std::size_t i = from; i + word.size() <= text.size(); ++i) {
    if (EqualsIgnoringCase(text.substr(i, word.size()), word)) return i;
  }
  return std::string_view::npos;
}

std::optional<std::string> AttributeValue(std::string_view tag, std::string_view name) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < tag.size() && blank(tag[i])) ++i;
  };
  while (i < tag.size()) {
    skipBlanks();
    const std::size_t nameStart = i;
    while (i < tag.size() && !blank(tag[i]) && tag[i] != '=' && tag[i] != '>') ++i;
    const std::string_view attribute = tag.substr(nameStart, i - nameStart);
    if (attribute.empty()) ++i;
    skipBlanks();
    std::string_view value;
    if (i < tag.size() && tag[i] == '=') {
      ++i;
      skipBlanks();
      if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
        const std::size_t close = tag.find(tag[i], i + 1);
        value = tag.substr(i + 1, close == std::string_view::npos ? close : close - i - 1);
        i = close == std::string_view::npos ? tag.size() : close + 1;
      } else {
        const std::size_t valueStart = i;
        while (i < tag.size() && !blank(tag[i]) && tag[i] != '>') ++i;
        value = tag.substr(valueStart, i - valueStart);
      }
    }
    if (!attribute.empty() && EqualsIgnoringCase(attribute, name)) return std::string(value);
  }
  return std::nullopt;
}

// The charset the document's meta elements declare, if any; adds their http-equiv pairs to
// headers.
std::optional<std::string> HtmlMetaCharset(std::string_view body, Headers& headers) {
  std::optional<std::string> charset;
  for (std::size_t at = FindIgnoringCase(body, "<meta", 0); at != std::string_view::npos;
       at = FindIgnoringCase(body, "<meta", at + 5)) {
    const std::size_t end = body.find('>', at);
    const std::string_view tag = body.substr(at + 5, end == std::string_view::npos ? end : end - at - 5);
    if (auto declared = AttributeValue(tag, "charset"); declared && !charset) charset = declared;
    const auto equiv = AttributeValue(tag, "http-equiv");
    const auto content = AttributeValue(tag, "content");
    if (!equiv || !content) continue;
    headers.Add(*equiv, *content);
    if (EqualsIgnoringCase(*equiv, "Content-Type") && !charset) {
      charset = HeaderParameter(*content, "charset");
    }
  }
  return charset;
}

}  // namespace

std::string ResponseCharset(std::string_view contentType, std::string_view body, Headers& headers) {
  const std::string type = MediaType(contentType);
  if (IsNonTextXml(type)) return XmlCharset(body);
  if (IsHtml(type)) {
    if (auto declared = HtmlMetaCharset(body, headers)) return *declared;
  }
  if (auto parameter = HeaderParameter(contentType, "charset")) return *parameter;
  if (type.starts_with("text/")) {
    return IsXmlSubtype(std::string_view(type).substr(5)) ? "us-ascii" : "ISO-8859-1";
  }
  return "";
}

}  // namespace veyra::http
