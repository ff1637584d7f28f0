#include "SudokuAids.h"

#include "PuzzleImage.h"
#include "Sudoku.h"

#include <algorithm>

void FillCandidates(const PuzzleImage& image, CandidateTable& candidates) {
    candidates = {};
    const int n = std::min<int>({image.ColumnCount, image.RowCount, MaxSymbols});
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            const std::array<bool, MaxSymbols> flags = CandidateFlags(image, c, r);
            std::copy(flags.begin(), flags.end(),
                      candidates[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)].begin());
        }
}

void ApplyFieldMarking(PuzzleImage& image, int markTag) {
    const int n = std::min<int>({image.ColumnCount, image.RowCount, MaxSymbols});
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            bool marked = false;
            if (markTag > 0 && IsBlank(image.entry(c, r))) {
                marked = markTag > n ? CountCandidates(image, c, r) <= 2
                                     : SudokuAllows(image, markTag, c, r);
            }
            CellRecord& cell = image.cell(c, r);
            if (marked)
                cell.CellFlags |= CellFlag::PlayerMark;
            else
                cell.CellFlags &= ~CellFlag::PlayerMark;
        }
}

void ClearFieldMarking(PuzzleImage& image) {
    if (IsSudokuKind(image.PuzzleKind)) ApplyFieldMarking(image, 0);
}
