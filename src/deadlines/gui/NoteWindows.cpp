#include "deadlines/gui/NoteWindows.h"

#include "deadlines/DayTips.h"
#include "deadlines/ReminderNotes.h"
#include "storage/ProgramOptions.h"
#include "support/UserInterface.h"
#include "support/gui/DateField.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

constexpr int kMaxTypedNote = 250;

QLabel* header(const QString& text) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    l->setFont(f);
    return l;
}

QPushButton* button(const char* name, const QString& caption, const QString& hint = {}) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

// Enter and Escape in a widget close the dialog (which stores the note).
class ClosingKeys : public QObject {
public:
    ClosingKeys(QDialog* dialog, bool enterToo)
        : QObject(dialog), m_dialog(dialog), m_enter(enterToo) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape ||
                (m_enter && (key == Qt::Key_Return || key == Qt::Key_Enter))) {
                m_dialog->accept();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog* m_dialog;
    bool m_enter;
};

// Keeps a memo to a number of characters, as the window accepts them.
void limitLength(QPlainTextEdit* edit, int limit) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit] {
        const QString text = edit->toPlainText();
        if (text.size() <= limit)
            return;
        edit->setPlainText(text.left(limit));
        QTextCursor c = edit->textCursor();
        c.movePosition(QTextCursor::End);
        edit->setTextCursor(c);
    });
}

} // namespace

NotesDialog::NotesDialog(ReminderNotes& notes, QWidget* parent) : QDialog(parent), m_notes(notes) {
    setObjectName(QStringLiteral("TfNotatki"));
    setWindowTitle(QStringLiteral("Notatki"));
    resize(460, 340);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header(QStringLiteral("Edytuj notatki")));
    auto* form = new QFormLayout;
    m_number = new QLineEdit;
    m_number->setObjectName(QStringLiteral("ilosc_n"));
    m_number->setReadOnly(true);
    m_number->setMaximumWidth(60);
    m_number->setToolTip(QStringLiteral("Numer edytowanej notatki z listy notatek (od 1 do 30)"));
    form->addRow(QStringLiteral("Numer notatki:"), m_number);
    m_date = new DateField;
    m_date->setObjectName(QStringLiteral("termin"));
    m_date->setToolTip(QStringLiteral(
        "Termin od kiedy notatka nabiera ważności. Po tej dacie program bedzie wyświetlał "
        "przypomnienie o notatce"));
    m_date->calendarButton()->setObjectName(QStringLiteral("DateTimePicker1"));
    m_date->lineEdit()->installEventFilter(new ClosingKeys(this, true));
    form->addRow(QStringLiteral("Termin:"), m_date);
    layout->addLayout(form);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("notatka"));
    limitLength(m_text, kMaxTypedNote);
    layout->addWidget(m_text);
    auto* buttons = new QHBoxLayout;
    QPushButton* prev =
        button("prev", QStringLiteral("&<<"), QStringLiteral("Poprzednia notatka z listy notatek"));
    QPushButton* nextButton =
        button("next", QStringLiteral("&>>"), QStringLiteral("Następna notatka z listy notatek"));
    QPushButton* clear =
        button("usun", QStringLiteral("Wyczyść"), QStringLiteral("Czyści bieżącą notatkę"));
    QPushButton* ok = button("SpeedButton1", QStringLiteral("&OK"));
    buttons->addWidget(prev);
    buttons->addWidget(nextButton);
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(prev, &QPushButton::clicked, this, &NotesDialog::previous);
    connect(nextButton, &QPushButton::clicked, this, &NotesDialog::next);
    connect(clear, &QPushButton::clicked, this, &NotesDialog::clearNote);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    show(1);
}

void NotesDialog::show(int slot) {
    m_slot = slot;
    m_number->setText(QString::number(slot));
    const ReminderNote& note = m_notes.slot(slot);
    m_text->setPlainText(note.text);
    m_date->setText(note.date);
    m_text->setFocus();
}

void NotesDialog::store() {
    ReminderNote& note = m_notes.slot(m_slot);
    note = storedNote(m_date->text(), m_text->toPlainText(), note.reserved);
    m_date->setText(note.date);
}

void NotesDialog::previous() {
    store();
    show(m_slot == 1 ? ReminderNotes::kSlots : m_slot - 1);
}

void NotesDialog::next() {
    store();
    show(m_slot == ReminderNotes::kSlots ? 1 : m_slot + 1);
}

void NotesDialog::clearNote() {
    if (programOptions().pytajPrzedKasowaniem &&
        !ui().question(QStringLiteral("Pytanie"), QStringLiteral("Czy usunąć bieżącą notatkę?"),
                       DefaultAnswer::No))
        return;
    m_date->setText(QString());
    m_text->clear();
    m_notes.slot(m_slot).date.clear();
    m_notes.slot(m_slot).text.clear();
}

void NotesDialog::done(int result) {
    store(); // however the window closes
    QDialog::done(result);
}

ShowNoteDialog::ShowNoteDialog(DataModule& db, ReminderNotes& notes, int slot, QWidget* parent)
    : QDialog(parent), m_db(db), m_notes(notes), m_slot(slot) {
    setObjectName(QStringLiteral("TfShowNotatka"));
    setWindowTitle(QStringLiteral("Notatka"));
    resize(420, 260);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header(QStringLiteral("Znaleziono notatkę na dziś")));
    m_text = new QPlainTextEdit(notes.slot(slot).text);
    m_text->setObjectName(QStringLiteral("notatka"));
    m_text->setReadOnly(true);
    m_text->installEventFilter(new ClosingKeys(this, false));
    layout->addWidget(m_text);
    auto* buttons = new QHBoxLayout;
    QPushButton* remove = button("usun", QStringLiteral("Usuń"));
    QPushButton* ok = button("ok", QStringLiteral("&OK"));
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(remove, &QPushButton::clicked, this, &ShowNoteDialog::deleteNote);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ShowNoteDialog::deleteNote() {
    if (!programOptions().pytajPrzedKasowaniem ||
        ui().question(QStringLiteral("Pytanie"), QStringLiteral("Czy usunąć notatkę?"),
                      DefaultAnswer::No)) {
        m_notes.slot(m_slot).date.clear();
        m_notes.slot(m_slot).text.clear();
        m_notes.save(m_db);
    }
    accept();
}

TemporaryNotesWindow::TemporaryNotesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TfFiszka"));
    setWindowTitle(QStringLiteral("Fiszka - notatki tymczasowe"));
    resize(360, 300);
    auto* layout = new QVBoxLayout(this);
    m_memo = new QPlainTextEdit;
    m_memo->setObjectName(QStringLiteral("memo"));
    layout->addWidget(m_memo);
    auto* row = new QHBoxLayout;
    m_onTop = new QCheckBox(QStringLiteral("Okno zawsze na wierzchu"));
    m_onTop->setObjectName(QStringLiteral("naWierzchu"));
    QPushButton* ok = button("ok", QStringLiteral("&OK"));
    row->addWidget(m_onTop);
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_onTop, &QCheckBox::toggled, this, [this](bool on) {
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (visible)
            show(); // changing the flags hides a window
    });
    m_memo->installEventFilter(this);
    reset();
}

bool TemporaryNotesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_memo && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TemporaryNotesWindow::reset() {
    m_memo->setPlainText(
        QStringLiteral("To jest notatnik, w którym możesz zapisywać informacje tymczasowe.\n"
                       "Zawartość tego notatnika czyszczona jest po zakończeniu pracy."));
}

TipDialog::TipDialog(DayTips& tips, QWidget* parent) : QDialog(parent), m_tips(tips) {
    setObjectName(QStringLiteral("TfPoradaDnia"));
    setWindowTitle(QStringLiteral("Porada dnia"));
    resize(480, 260);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header(QStringLiteral("Czy wiesz, że...")));
    m_text = new QLabel(m_tips.current());
    m_text->setObjectName(QStringLiteral("porada"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_text->setMinimumHeight(120);
    layout->addWidget(m_text, 1);
    auto* row = new QHBoxLayout;
    m_dontShow = new QCheckBox(QStringLiteral("Nie pokazuj tego więcej"));
    m_dontShow->setObjectName(QStringLiteral("niePokazuj"));
    QPushButton* nextButton = button("nastepna", QStringLiteral("&Następna porada >>"));
    QPushButton* ok = button("ok", QStringLiteral("&OK"));
    row->addWidget(m_dontShow);
    row->addStretch();
    row->addWidget(nextButton);
    row->addWidget(ok);
    layout->addLayout(row);
    connect(nextButton, &QPushButton::clicked, this, &TipDialog::nextTip);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString TipDialog::shownText() const {
    return m_text->text();
}

void TipDialog::nextTip() {
    m_text->setText(m_tips.next());
}

void TipDialog::showAndRemember() {
    ProgramOptions& o = programOptions();
    m_dontShow->setChecked(!o.pokazujPoradeDnia);
    nextTip();
    exec();
    o.pokazujPoradeDnia = !m_dontShow->isChecked();
    saveProgramOptions();
}

} // namespace kv
