// The frame's own controls, shared by the files that build and run the frame.
#pragma once

#include "Hauptformular.h"

class GradientBar;
class QAction;
class QFrame;
class QLabel;
class QMenu;

struct TRMMainForm::Controls {
    GradientBar* ToolBar = nullptr;
    QFrame* StatusBar = nullptr;
    QLabel* LblHints = nullptr;
    QMenu* Raetsel = nullptr;
    QMenu* Bearbeiten = nullptr;
    QMenu* FelderMarkieren = nullptr;
    QMenu* Schnappschuss = nullptr;
    QMenu* Ansicht = nullptr;
    // The entries whose visibility or text the frame sets itself.
    QAction* BeaN1 = nullptr;
    QAction* BeaEintragen = nullptr;
    QAction* AnsN1 = nullptr;
    QAction* AnsN3 = nullptr;
    QAction* AnsFehleintraege = nullptr;
    QAction* AnsBegriffLaengen = nullptr;
    QAction* AnsTooltips = nullptr;
    bool sudokuMenusFilled = false;
};
