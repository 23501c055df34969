#include "app/Notepads.h"

#include "storage/SettingsPaths.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>

namespace kv {

namespace {

const QString kNotepadFile = QStringLiteral("podrecznyNotatnik.txt");
const QString kOrderFile = QStringLiteral("trescZlecenia.txt");
const QString kNotepadDefault = QStringLiteral("Tutaj możesz zapisywać dowolne dotatki, które będą "
                                               "dostępne po ponownym uruchomieniu programu");

QString readText(const QString& name) {
    QFile f(settingsFile(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Whole or not at all, and for the owner's eyes only: notes may hold what
// other users of the computer should not read.
void writeText(const QString& name, const QString& text) {
    QSaveFile f(settingsFile(name));
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(text.toUtf8());
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    f.commit();
}

} // namespace

Notepads::Notepads(QPlainTextEdit* notepad, QPlainTextEdit* orderText, QWidget* notepadLabel,
                   QObject* parent)
    : QObject(parent), m_notepad(notepad), m_orderText(orderText), m_label(notepadLabel) {
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &Notepads::save);
    for (QPlainTextEdit* edit : {m_notepad, m_orderText})
        connect(edit, &QPlainTextEdit::textChanged, this, [this] {
            if (m_open)
                m_saveTimer.start();
        });
    setOpen(false);
}

void Notepads::setOpen(bool open) {
    m_open = open;
    m_notepad->setReadOnly(!open);
    if (!open) {
        m_notepad->clear();
        m_orderText->clear();
    }
}

void Notepads::loggedIn(bool notepadAllowed) {
    m_orderText->setPlainText(readText(kOrderFile));
    m_notepad->setPlainText(QFile::exists(settingsFile(kNotepadFile)) ? readText(kNotepadFile)
                                                                      : kNotepadDefault);
    m_notepad->setVisible(notepadAllowed);
    m_label->setVisible(notepadAllowed);
    m_open = true;
    m_notepad->setReadOnly(false);
    m_saveTimer.stop();
}

void Notepads::loggedOut() {
    save();
    setOpen(false);
}

void Notepads::save() {
    m_saveTimer.stop();
    if (!m_open)
        return;
    writeText(kOrderFile, m_orderText->toPlainText());
    writeText(kNotepadFile, m_notepad->toPlainText());
}

} // namespace kv
