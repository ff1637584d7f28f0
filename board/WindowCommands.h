// Small window helpers shared by the child windows of the frame.
#pragma once

class QWidget;

// Greys out the Close command of the window's system menu (and its title-bar
// button), when the window or its MDI frame has one.
void DisableCloseCommand(QWidget* window);
