// UTF-8, one character at a time and whole strings. A well-formed sequence is the shortest form of
// a code point up to U+10FFFF that is not a surrogate.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veyra {

// Appends the sequence of a code point up to U+10FFFF.
void AppendUtf8(std::string& text, char32_t code_point);

// The code point of the well-formed sequence at the start of text, its byte count in length.
// Length is 0 when the bytes there form none: an invalid lead byte, a stray continuation byte, a
// cut-short, overlong or surrogate sequence, or a value above U+10FFFF.
char32_t DecodeUtf8Sequence(std::string_view text, std::size_t& length);

// Code points of a UTF-8 text. A byte that does not begin a well-formed sequence gives
// `replacement` and decoding goes on with the next byte.
std::u32string DecodeUtf8(std::string_view text, char32_t replacement = U'\uFFFD');
std::string EncodeUtf8(std::u32string_view code_points);

// The text with every byte that does not begin a well-formed sequence replaced by `replacement`,
// in one pass: what EncodeUtf8(DecodeUtf8(text, replacement)) gives, without the code points.
std::string SanitizeUtf8(std::string_view text, char32_t replacement = U'\uFFFD');

}  // namespace veyra
