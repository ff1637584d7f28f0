#include "PuzzleImage.h"

void ClearCell(PuzzleImage& image, int c, int r, bool clearNumber) {
    CellRecord& cell = image.cell(c, r);
    cell.SolutionLetter.clear();
    cell.CellFlags = 0;
    cell.StartsAcrossWord = 0;
    cell.StartsDownWord = 0;
    if (clearNumber) cell.CellNumber = 0;
}

void ClearWord(PuzzleImage& image, int i) {
    WordRecord& w = image.Words[i];
    w.WordNumber = 0;
    w.CodeLetter = 0;
    w.WordDirection = Direction::Across;
    w.WordReversed = 0;
    w.WordSolvedMark = 0;
    SetBlank(w.CodeGuess);
    w.WordText.clear();
    w.ClueText.clear();
}

void ClearPuzzleContent(Puzzle& puzzle) {
    PuzzleImage& image = puzzle.Image;
    // ClearCell on every cell and what SetEnteredLetter does for a blank, in
    // plain loops: every load starts here, so it is kept cheap.
    for (auto& column : image.Cells) {
        for (CellRecord& cell : column) {
            cell.SolutionLetter.clear();
            cell.CellFlags = 0;
            cell.StartsAcrossWord = 0;
            cell.StartsDownWord = 0;
            cell.CellNumber = 0;
        }
    }
    for (auto& column : image.EnteredLetters)
        for (Letter& entry : column) SetBlank(entry);
    puzzle.CheckState = CellCheckState{};
    for (int i = 0; i < MaxWords; ++i) ClearWord(image, i);
    image.WordCount = 0;
    image.ElapsedSeconds = 0;
    image.BestSeconds = 0;
    image.ClockRunning = 1;
    image.SolvedLevel = 0;
}

void ResetPuzzleImage(Puzzle& puzzle) {
    ClearPuzzleContent(puzzle);
    PuzzleImage& image = puzzle.Image;
    image.SolutionWord.clear();
    image.SolutionClue.clear();
    image.EnteredSolutionWord.clear();
    image.Reserved8.clear();
    image.BestTimeHolder.clear();
    image.PuzzleTitle.clear();
    image.PuzzleComment.clear();
    image.CreatorVersion.clear();
    image.PuzzleKind = 0;
    image.RowCount = 5;
    image.ColumnCount = 5;
    image.Difficulty = 0;
    image.Reserved1 = 0;
    image.ImageFlags = 0;
    image.PuzzleLanguage = 0;
    image.AllowedAids = 255;
    image.ReverseDropAllowed = 0;
}
