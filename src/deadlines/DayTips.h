#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kv {

// The tips of the day: one tip per line of porady.dat in the settings folder
// (UTF-8), at most 300, read once per run. A tip is drawn at random and never
// the one shown last; with fewer than two tips the built-in text stays.
class DayTips {
public:
    static constexpr int kMaxTips = 300;

    // Reads the file; a missing or unreadable one leaves what was read.
    void load(const QString& path);
    void setTips(QStringList tips) { m_tips = std::move(tips); }
    const QStringList& tips() const { return m_tips; }

    // Draws the next tip with `draw(n)` giving 0..n-1 (tests give their own);
    // the text to show.
    QString next(const std::function<int(int)>& draw = {});
    QString current() const;
    int shown() const { return m_shown; } // -1 before the first tip

private:
    QStringList m_tips;
    int m_shown = -1;
};

inline const QString kBuiltInTip = QStringLiteral(
    "Możesz przewidzieć przyszłe wydatki wykorzystując do tego celu funkcję 'Prognoza'. Dzięki "
    "niej dowiesz się ile pieniędzy wydasz na poszczególne grupy wydatków");

// porady.dat in the settings folder.
QString dayTipsPath();
// Copies the tips shipped with the program into the settings folder when
// none are there; false when there is nothing to copy or it cannot be copied.
bool installDayTips(const QString& shippedPath, const QString& settingsPath);

// The tips of the running program.
DayTips& dayTips();

} // namespace kv
