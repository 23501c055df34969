#pragma once

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kv {

class DateField;
class DataModule;
class DayTips;
class ReminderNotes;

// "Notatnik": the thirty reminder notes, one at a time. The shown note is
// stored in its slot whenever another is shown and when the window closes;
// the caller saves the slots afterwards.
class NotesDialog : public QDialog {
    Q_OBJECT
public:
    NotesDialog(ReminderNotes& notes, QWidget* parent = nullptr);
    int shownSlot() const { return m_slot; }
    DateField* dateField() const { return m_date; }
    QPlainTextEdit* textField() const { return m_text; }

public slots:
    void previous();
    void next();
    void clearNote();
    void done(int result) override;

private:
    void show(int slot);
    void store();

    ReminderNotes& m_notes;
    int m_slot = 1;
    QLineEdit* m_number;
    DateField* m_date;
    QPlainTextEdit* m_text;
};

// A note due today, shown at the start; "Usuń" empties its slot and saves.
class ShowNoteDialog : public QDialog {
    Q_OBJECT
public:
    ShowNoteDialog(DataModule& db, ReminderNotes& notes, int slot, QWidget* parent = nullptr);
    QPlainTextEdit* textField() const { return m_text; }

public slots:
    void deleteNote();

private:
    DataModule& m_db;
    ReminderNotes& m_notes;
    int m_slot;
    QPlainTextEdit* m_text;
};

// "Fiszka": a pad for notes that live while the program runs, never saved.
class TemporaryNotesWindow : public QWidget {
    Q_OBJECT
public:
    explicit TemporaryNotesWindow(QWidget* parent = nullptr);
    // The two lines it holds after every login.
    void reset();
    QPlainTextEdit* memo() const { return m_memo; }
    QCheckBox* onTopBox() const { return m_onTop; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* m_memo;
    QCheckBox* m_onTop;
};

// "Porada dnia": a tip drawn from the tips of the day.
class TipDialog : public QDialog {
    Q_OBJECT
public:
    TipDialog(DayTips& tips, QWidget* parent = nullptr);
    // Sets "Nie pokazuj tego więcej" from the option, shows the window with a
    // new tip, then stores the option and saves the options.
    void showAndRemember();
    QCheckBox* dontShowBox() const { return m_dontShow; }
    QString shownText() const;

public slots:
    void nextTip();

private:
    DayTips& m_tips;
    QLabel* m_text;
    QCheckBox* m_dontShow;
};

} // namespace kv
