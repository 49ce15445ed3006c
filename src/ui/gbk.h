#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The system's text is GBK (code page 936): a Chinese character is a lead byte 0x81..0xFE
// followed by a trail byte, anything else is one byte. Unicode exists only at the toolkit
// boundary and in source files; these helpers convert and walk character boundaries.
namespace quorvin::ui {

bool isGbkLeadByte(unsigned char byte);

// Bytes taken by the character that starts at pos (1 or 2; 1 for a lone lead byte at the end).
std::size_t gbkCharLength(std::string_view text, std::size_t pos);

// The start of the character that ends at pos, scanning from the beginning of the text.
std::size_t gbkPreviousBoundary(std::string_view text, std::size_t pos);

// Whether pos falls on a character boundary (0 and size() do).
bool isGbkBoundary(std::string_view text, std::size_t pos);

// The longest prefix of at most maxBytes bytes that does not split a character.
std::string_view gbkPrefix(std::string_view text, std::size_t maxBytes);

// UTF-8 -> GBK. Characters GBK cannot hold become '?'; ok (if given) turns false then.
std::string toGbk(std::string_view utf8, bool* ok = nullptr);

// GBK -> UTF-8. Invalid sequences become U+FFFD.
std::string fromGbk(std::string_view gbk);

}  // namespace quorvin::ui
