#pragma once

#include "framework/Registers.h"

#include <QString>
#include <functional>

namespace kv {

class RegisterController;
class RegisterTableModel;

// The text search of "Szukaj". A column matches when the searched text occurs
// anywhere in its text, with only the letters a to z taken as their upper
// case: every other letter, Polish letters among them, must match exactly
// ("we 1" finds "WE 12345", "ł" does not find "Ł"). An empty text matches
// nothing.

// Whether the text occurs in the cell that way.
bool searchMatches(QStringView cell, QStringView text);

// The row at or after the current one whose searched columns hold the text:
// the first search tests the current row itself, later ones start on the row
// after it. -1 when no row up to the last one matches. Shown columns are
// compared as the model shows them, the others as stored (numbers without
// trailing zeros, codes as their digits).
int findNext(const RegisterTableModel& rows, const QList<SearchColumn>& columns,
             const QString& text, int currentRow, bool firstSearch);

inline const QString kSearchEndText =
    QStringLiteral("Podany tekst nie został znaleziony lub dotarto do ostatniej pozycji tabeli. "
                   "Spróbuj przeszukać listę od początku.");

// The search of the main window: "Szukaj" puts the register on its first row
// and marks the next search as the first; every press of "Znajdź następny"
// then moves the register's cursor to the next matching row, or, past the
// last row, back to the first row with the end message.
class TextSearch {
public:
    enum class Result { Nothing, Found, End };

    void start(RegisterController& controller);
    // One search on the register (whichever is on screen at the time of the
    // press); an empty register does nothing. moved runs once the cursor is on
    // its new row, before any message, so the grid shows the first row while
    // the end message is on screen.
    Result next(RegisterController& controller, const RegisterTableModel& rows, const QString& text,
                const std::function<void()>& moved = {});
    bool firstSearch() const { return m_first; }

private:
    bool m_first = false;
};

} // namespace kv
