// The hints pop-up: a short text next to the mouse that never takes the focus
// nor a click, and goes when a modal dialog opens.
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

class THintForm : public QWidget {
    Q_OBJECT
public:
    explicit THintForm(QWidget* parent = nullptr);
    ~THintForm() override;

    // The one hints window, or null while none exists.
    static THintForm* Current();
    // Closes (and so frees) the hints window if one is visible.
    static void CloseIfVisible();
    // The opener's steps: close a visible one, create one if needed, set font,
    // text and position (y is the mouse line: the text sits 4 pixels above it),
    // remember the main window and show without activating.
    static THintForm* Open(QWidget* mainWindow, const QString& text, int x, int y,
                           int fontSize = 0);

    // Where a window of that size goes when its top-left would be at pos:
    // inside the screen with a 5-pixel gap at the right and bottom edges.
    static QPoint KeepInside(const QPoint& pos, const QSize& size, const QRect& screen);

    QLabel* Hinweis() const { return hinweis_; }
    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
    // Takes the label's size and moves inside the screen.
    void FormShow();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* hinweis_ = nullptr;
    QPointer<QWidget> mainWindow_;
};
