#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kv {

// The find window of "Szukaj" (FindText): the text, "Znajdź następny", and a
// match-case box shown ticked and disabled (the search folds only the
// letters a to z). It searches downwards and has no whole-word or direction
// choice. It stays open between searches; every press asks for the next row
// of whichever register is on screen then.
class FindTextDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindTextDialog(QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* textEdit() const { return m_text; }
    QPushButton* findButton() const { return m_find; }

    // Shows the window (again), in front, with its text selected for typing.
    void present();

signals:
    void findNext(const QString& text);

private:
    QLineEdit* m_text;
    QCheckBox* m_matchCase;
    QPushButton* m_find;
    bool m_placed = false;
};

} // namespace kv
