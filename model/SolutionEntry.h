// The solution word the player types in its own window: one letter per
// position of SolutionWord, kept by position in EnteredSolutionWord.
#pragma once

#include "PuzzleImage.h"

// The number of letters (cells) of the solution word.
int SolutionWordLength(const PuzzleImage& image);
// The solution's letter at a position (from 0); ' ' outside the word.
char SolutionLetterAt(const PuzzleImage& image, int index);
// The player's letter at a position, read by position whatever the length
// byte says; ' ' for a blank and for anything that is no character.
char EnteredSolutionLetter(const PuzzleImage& image, int index);
// Stores a letter (a..z upper-cased) at a position; anything else stores a
// blank. Positions before it that hold no character become blanks, so that
// the field always reads as letters and blanks. False outside the word.
bool SetSolutionLetter(PuzzleImage& image, int index, char ch);
// The letter at the position is not the solution's (a blank counts as not).
bool SolutionLetterWrong(const PuzzleImage& image, int index);
