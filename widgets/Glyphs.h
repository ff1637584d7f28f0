// The small pictures of the shell, drawn in code: tool button glyphs, the
// program icon, the message symbols, the language flags and the maker's logo.
#pragma once

#include <QIcon>
#include <QPixmap>

enum class ToolGlyph { Exit, Open, Print, PuzzleInfo, Undo, Redo, Reset, ProgramInfo };

// A 20 x 20 glyph with its greyed form registered for the disabled state.
QIcon ToolIcon(ToolGlyph glyph);
QPixmap ToolPixmap(ToolGlyph glyph);
// The disabled look of a glyph: the same shape in light grey.
QPixmap Greyed(const QPixmap& pixmap);

QIcon AppIcon();
QPixmap AppIconPixmap(int size);

QPixmap ErrorSymbol(); // 32 x 32
QPixmap OkSymbol();    // 32 x 32

// 16 x 16 flag for the puzzle languages 1..4 (null for any other number).
QPixmap LanguageFlag(int language);

QPixmap MakerLogo(); // 44 x 24
