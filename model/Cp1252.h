// Code page 1252, the character set of every text in the record and the
// settings block. Texts are converted to UTF-8 only at the boundary to the UI.
#pragma once

#include <string>
#include <string_view>

std::string Cp1252ToUtf8(std::string_view text);
// Characters without a code page 1252 form become '?'.
std::string Utf8ToCp1252(std::string_view text);
// The same, collecting each character that became '?' once in `lost` (UTF-8).
std::string Utf8ToCp1252(std::string_view text, std::string& lost);
// The locale's upper-case rule on one code page 1252 character (umlauts included; ß stays).
char UpperCp1252(char c);
std::string UpperCp1252(std::string_view text);
// The lower-case counterpart of an upper-case letter (umlauts included).
char LowerCp1252(char c);
// A letter of code page 1252: a-z, A-Z and the accented letters from 0xC0 (not × and ÷).
bool IsCp1252Letter(unsigned char ch);
