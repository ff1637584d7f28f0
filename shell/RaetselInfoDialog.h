// The puzzle properties dialog: kind, size, title, language, author or best
// time, comment, file date, generator version and the allowed aids.
#pragma once

#include "PuzzleImage.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

class TRaetselInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TRaetselInfoDlg(QWidget* parent = nullptr);
    ~TRaetselInfoDlg() override;

    // The dialog that exists, or null.
    static TRaetselInfoDlg* Current();
    // The frame's command: create if needed, copy the puzzle, show modally, free.
    static void Execute(const PuzzleImage& image, QWidget* parent);

    // The dialog's own copy of the puzzle; every field is read from it.
    const PuzzleImage& Image() const { return *image_; }
    void SetImage(const PuzzleImage& image);
    // Fills every field and sets the height.
    void FormShow();

    // The level names of this dialog and the language names.
    static QString LevelName(int difficulty);
    static QString LanguageName(int language);
    // "Velmar Diruradevuzezid <v>" below 6.00, else "Velmar Gridwerk <v>".
    static QString VersionLine(const QString& creatorVersion);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Field(QWidget* parent, const char* name, const QRect& geometry);

    std::unique_ptr<PuzzleImage> image_;
    QWidget* panelAuthor_ = nullptr;
    QWidget* panelDate_ = nullptr;
    QLabel* lblAuthorDesr_ = nullptr;
    QLabel* lblCommentDescr_ = nullptr;
    QLabel* lblType_ = nullptr;
    QLabel* lblSize_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblLanguage_ = nullptr;
    QLabel* imgLanguage_ = nullptr;
    QLabel* lblAuthor_ = nullptr;
    QLabel* lblComment_ = nullptr;
    QLabel* lblDate_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QCheckBox* cbHelpShowFail_ = nullptr;
    QCheckBox* cbHelpAutoFill_ = nullptr;
    QCheckBox* cbHelpShowRiddle_ = nullptr;
    QCheckBox* cbHelpEditRiddle_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};
