// What a side window needs to know of the frame to place itself: the size of
// the frame's client area and the windows already standing in it.
#pragma once

#include <QRect>

struct FrameRoom {
    int ClientWidth = 0;
    int ClientHeight = 0;
    // The frame's ClientAreaHeight (client height less tool bar, status bar and menu).
    int ClientAreaHeight = 0;
    int BoardWidth = -1;           // outer width of the board, -1 without a board
    int SolutionWindowHeight = -1; // outer height of the solution-word window, -1 when closed
    QRect NumberLegend;            // outer geometry of the number legend, empty when closed
};
