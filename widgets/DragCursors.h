// The numbered drag cursors of the clue list: 101 left-to-right, 102
// right-to-left, 103 top-to-bottom, 104 bottom-to-top.
#pragma once

#include <QCursor>

namespace DragCursor {
constexpr int LeftToRight = 101;
constexpr int RightToLeft = 102;
constexpr int TopToBottom = 103;
constexpr int BottomToTop = 104;
} // namespace DragCursor

// Draws and registers the four cursors; later calls change nothing.
void RegisterDragCursors();
bool DragCursorRegistered(int number);
// The registered cursor of that number (the four are registered on the first
// call); the arrow cursor for any other number.
QCursor DragCursorFor(int number);
