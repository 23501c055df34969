#include "deadlines/DayTips.h"

#include "storage/SettingsPaths.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

namespace kv {

void DayTips::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (m_tips.size() < kMaxTips && !in.atEnd())
        m_tips << in.readLine();
}

QString DayTips::next(const std::function<int(int)>& draw) {
    const int count = static_cast<int>(m_tips.size());
    if (count < 2)
        return current();
    auto pick = [&] {
        return draw ? draw(count) : static_cast<int>(QRandomGenerator::global()->bounded(count));
    };
    int n = pick();
    // A draw that keeps failing (a test's fixed answer) must not hang the window.
    for (int tries = 0; (n == m_shown || n < 0 || n >= count) && tries < 1000; ++tries)
        n = pick();
    if (n == m_shown || n < 0 || n >= count)
        n = (m_shown + 1) % count;
    m_shown = n;
    return current();
}

QString DayTips::current() const {
    return m_shown >= 0 && m_shown < m_tips.size() ? m_tips.at(m_shown) : kBuiltInTip;
}

QString dayTipsPath() {
    return settingsFile(QStringLiteral("porady.dat"));
}

bool installDayTips(const QString& shippedPath, const QString& settingsPath) {
    if (QFile::exists(settingsPath))
        return true;
    return QFile::exists(shippedPath) && QFile::copy(shippedPath, settingsPath);
}

DayTips& dayTips() {
    static DayTips tips;
    return tips;
}

} // namespace kv
