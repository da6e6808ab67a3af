// Character sets through their Windows code pages.
#include "platform/charset.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace veyra::platform {
namespace {

struct NamedCodePage {
  std::string_view name;
  UINT codePage;
};

constexpr NamedCodePage kCodePages[] = {
    {"iso-8859-1", 28591},  {"latin1", 28591},       {"iso-8859-2", 28592},
    {"iso-8859-3", 28593},  {"iso-8859-4", 28594},   {"iso-8859-5", 28595},
    {"iso-8859-6", 28596},  {"iso-8859-7", 28597},   {"iso-8859-8", 28598},
    {"iso-8859-9", 28599},  {"iso-8859-13", 28603},  {"iso-8859-15", 28605},
    {"koi8-r", 20866},      {"koi8-u", 21866},       {"shift_jis", 932},
    {"gb2312", 936},        {"gbk", 936},            {"big5", 950},
    {"euc-kr", 51949},      {"ks_c_5601-1987", 949}, {"euc-jp", 20932},
    {"macintosh", 10000},   {"x-mac-cyrillic", 10007}, {"utf-8", CP_UTF8},
};

// "windows-1251", "cp1251", "ibm866" and the like name their code page by number.
UINT NumberedCodePage(std::string_view name) {
  for (std::string_view prefix : {"windows-", "cp", "ibm"}) {
    if (!name.starts_with(prefix)) continue;
    const std::string_view digits = name.substr(prefix.size());
    UINT number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error == std::errc() && end == digits.data() + digits.size()) return number;
  }
  return 0;
}

UINT CodePageOf(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const NamedCodePage& known : kCodePages) {
    if (known.name == name) return known.codePage;
  }
  return NumberedCodePage(name);
}

}  // namespace

std::optional<std::string> CharsetToUtf8(std::string_view bytes, const std::string& charset) {
  const UINT codePage = CodePageOf(charset);
  if (codePage == 0 || !IsValidCodePage(codePage)) return std::nullopt;
  if (bytes.empty()) return std::string();
  const int length = static_cast<int>(bytes.size());
  const int wideLength = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (wideLength <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), wideLength);
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr,
                                       nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

}  // namespace veyra::platform
