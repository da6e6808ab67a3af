#include "services/http/request.h"

namespace veyra::http {
namespace {

// UTF-8 text as 7-bit ASCII: one "?" for each character above U+007F and for each control.
void AppendAscii(std::string& out, std::string_view utf8) {
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xC0) continue;  // a continuation byte of a character already sent
    out += byte < 0x20 || byte >= 0x7F ? '?' : c;
  }
}

void AppendHeader(std::string& out, std::string_view name, std::string_view value) {
  out += name;
  out += ": ";
  AppendAscii(out, value);
  out += "\r\n";
}

}  // namespace

std::string RequestBytes(const Url& url, std::string_view userAgent, std::string_view cookie) {
  std::string request = "GET ";
  request += url.RequestTarget();
  request += " HTTP/1.1\r\n";
  AppendHeader(request, "Host", url.HostHeader());
  AppendHeader(request, "Accept", kAcceptHeader);
  AppendHeader(request, "User-Agent", userAgent);
  if (!cookie.empty()) AppendHeader(request, "Cookie", cookie);
  request += "\r\n";
  return request;
}

}  // namespace veyra::http
