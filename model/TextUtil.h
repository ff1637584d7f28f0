// Small text and picture utilities shared by the windows. Texts are code page 1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class QImage;

std::string FoldUmlauts(std::string_view text);
std::string NormalizeWord(std::string_view text, std::size_t maxLength);
std::string ReverseText(std::string_view text);
// First letter and every letter after a separator upper case, the rest lower case.
std::string ProperCase(std::string_view text);
std::string FormatSolveTime(std::uint16_t seconds, bool withUnit);
int CompareVersionTexts(std::string_view a, std::string_view b); // -1 or 1
// A UTF-8 text safe to print on a terminal: control characters (C0, DEL and C1)
// are written as escapes such as \n or \x1B, so a puzzle cannot forge output.
std::string EscapeControlChars(std::string_view utf8);

// 24/32-bit picture turned grey in place.
void MakeGreyscale(QImage& picture);
// Modes 0..4 as the board uses them; the target's size is kept for mode 3.
void ScalePicture(const QImage& source, QImage& target, int size, int mode);
