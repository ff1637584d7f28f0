// The board: the child window of the frame that shows the puzzle grid.
#pragma once

#include "Queries.h"

#include <QWidget>

class TRMMainForm;

class TRaetselForm : public QWidget {
    Q_OBJECT
public:
    // Creates the board as a child of the frame and shows it.
    static TRaetselForm* Open(TRMMainForm& frame);

    explicit TRaetselForm(TRMMainForm& frame);
    ~TRaetselForm() override;

    void LayoutBoard();
    void SelectFirstCell();
    void MItemPlayZoomInClick(int step);

    // Tool buttons the frame's enabling rules look at.
    bool ButtonVisible(const char* name) const;
    bool ButtonDown(const char* name) const;
    int MarkTag = 0;
};
