#pragma once

#include "framework/Registers.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class QPlainTextEdit;
class QStackedWidget;
class QToolButton;
class QWidget;

namespace kv {

// A button of a section's register column that is not a register (the
// dictionary window, the company data): where it stands and its menu item.
struct SectionCommandInfo {
    QString button;  // "RBSlBiblioteka"
    QString caption; // "Biblioteka"
    QString page;    // the placeholder page behind it
    QString menuItem;
    QString shortcut;
    Section section;
    int buttonPosition; // its place in the register column
    int menuPosition;   // its place in the section's "Widok" submenu
};

// The section bar and the pages of the main window, built from the register
// descriptors and the section commands: a page per section, and in the
// sections with registers a column of register buttons beside an inner page
// per register. Object names follow the program's component names.
class SectionPages : public QObject {
    Q_OBJECT
public:
    SectionPages(const QList<SectionCommandInfo>& commands, QObject* parent = nullptr);

    QWidget* sectionBar() const { return m_bar; }
    QStackedWidget* pages() const { return m_pages; }
    QToolButton* sectionButton(Section section) const;
    // Register buttons ("RB" + page) and section command buttons, by name.
    QToolButton* registerButton(const QString& name) const { return m_buttons.value(name); }
    const QHash<QString, QToolButton*>& registerButtons() const { return m_buttons; }
    QWidget* registerPage(RegisterId id) const { return m_registerPages.value(int(id)); }
    QPlainTextEdit* notepad() const { return m_notepad; }
    QPlainTextEdit* orderText() const { return m_orderText; }
    // A feature's page in place of a section's placeholder tabs.
    void setSectionContent(Section section, QWidget* content);
    // A feature's part of the start page, beside the notepad.
    void addStartPagePart(QWidget* part);

    // The section's page, on its start page, the section button pressed and
    // no register button.
    void showSection(Section section);
    // The register's section, with its page and its button pressed.
    void showRegister(RegisterId id);
    // Presses one register-column button (none for an empty name).
    void highlightButton(const QString& name);
    // The register whose page is on screen, among those `available` accepts.
    std::optional<RegisterId>
    visibleRegister(const std::function<bool(RegisterId)>& available) const;

signals:
    void sectionClicked(Section section);
    void registerClicked(RegisterId id);
    void commandClicked(const QString& button);

private:
    QWidget* buildSectionBar();
    QWidget* buildSectionWithRegisters(Section section, const QString& pageName,
                                       const QString& innerName, const QString& startName,
                                       const QString& startHint,
                                       const QList<SectionCommandInfo>& commands);
    void buildPages(const QList<SectionCommandInfo>& commands);
    QWidget* registerGridPage(const RegisterDescriptor& d);

    QWidget* m_bar = nullptr;
    QStackedWidget* m_pages = nullptr;
    QHash<int, QToolButton*> m_sectionButtons; // by Section
    QHash<int, QStackedWidget*> m_innerPages;  // by Section
    QHash<int, QWidget*> m_startPages;         // by Section
    QHash<int, QWidget*> m_sectionPages;       // by Section
    QHash<int, QWidget*> m_registerPages;      // by RegisterId
    QHash<QString, QToolButton*> m_buttons;
    QPlainTextEdit* m_notepad = nullptr;
    QPlainTextEdit* m_orderText = nullptr;
    QWidget* m_startSide = nullptr;
};

} // namespace kv
