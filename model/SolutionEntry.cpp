#include "SolutionEntry.h"

#include <algorithm>

int SolutionWordLength(const PuzzleImage& image) {
    return static_cast<int>(image.SolutionWord.size());
}

char SolutionLetterAt(const PuzzleImage& image, int index) {
    if (index < 0 || index >= SolutionWordLength(image)) return ' ';
    return image.SolutionWord.Chars[index];
}

char EnteredSolutionLetter(const PuzzleImage& image, int index) {
    using Field = decltype(image.EnteredSolutionWord);
    if (index < 0 || index >= static_cast<int>(Field::Capacity)) return ' ';
    const char ch = image.EnteredSolutionWord.Chars[index];
    // A record that never had the field filled holds zero bytes there.
    return static_cast<unsigned char>(ch) < 0x20 ? ' ' : ch;
}

bool SetSolutionLetter(PuzzleImage& image, int index, char ch) {
    if (index < 0 || index >= SolutionWordLength(image)) return false;
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    if (ch < 'A' || ch > 'Z') ch = ' ';
    auto& field = image.EnteredSolutionWord;
    for (int k = 0; k < index; ++k)
        if (static_cast<unsigned char>(field.Chars[k]) < 0x20) field.Chars[k] = ' ';
    field.Chars[index] = ch;
    field.Length = static_cast<std::uint8_t>(std::max<int>(field.size(), index + 1));
    return true;
}

bool SolutionLetterWrong(const PuzzleImage& image, int index) {
    return EnteredSolutionLetter(image, index) != SolutionLetterAt(image, index);
}
