#pragma once
// Conversion between the program's UTF-8 text and the 8-bit code page 1251 that the
// database file keeps. Only the database layer and the password digest need it.
#include <string>
#include <string_view>

namespace cp1251 {

// UTF-8 to code page 1251. A character the code page cannot hold becomes '?';
// callers that must not lose text check it first with IsRepresentable.
std::string FromUtf8(std::string_view utf8);

// Code page 1251 to UTF-8. Every byte has a meaning except 0x98, which maps to U+FFFD.
std::string ToUtf8(std::string_view bytes);

// True when every character of the UTF-8 text exists in code page 1251.
bool IsRepresentable(std::string_view utf8);

}  // namespace cp1251
