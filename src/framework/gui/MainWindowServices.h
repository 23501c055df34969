#pragma once

#include "framework/RecordCard.h"
#include "framework/Registers.h"

#include <QString>
#include <QVariantList>
#include <functional>

class QMenu;
class QWidget;

namespace kv {

// What the register modules may ask of the main window.
class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    // Rebuilds the vehicle selector; true returns it to "(Wszystkie)".
    virtual void rebuildVehicleSelector(bool toAllVehicles) = 0;
    // The company's name as the main window shows it.
    virtual QString companyName() const = 0;
    // Reads the company record again into the header (after company data changes).
    virtual void refreshCompanyHeader() = 0;
    // Shows a section with its start page.
    virtual void showSectionStart(Section section) = 0;
    // Draws a register-column button highlighted (white caption).
    virtual void highlightButton(const QString& buttonName) = 0;
    // Makes a register-column button that is not a register ("RBSlBiblioteka",
    // "RBSlDaneFirmy") and its "Widok" menu item available, running the
    // handler when used. The permissions still decide whether it is enabled.
    virtual void addSectionCommand(const QString& buttonName, const QString& menuItem,
                                   std::function<void()> handler) = 0;
    // Makes an item of the main menu that no button stands for ("Archiwizacja
    // bazy danych") available, running the handler when chosen. The
    // permissions of its menu still decide whether it can be reached.
    virtual void addMenuCommand(const QString& menuItem, std::function<void()> handler) {
        (void)menuItem;
        (void)handler;
    }

    // The rest have a default for windows that do without them (the tests').
    // Puts a feature's own page into a section in place of its placeholder
    // (the reports page into "Raporty").
    virtual void setSectionContent(Section /*section*/, QWidget* /*content*/) {}
    // One of the "Widok" submenus a feature fills (the report submenus),
    // made available.
    virtual QMenu* viewSubmenu(const QString& /*title*/) { return nullptr; }
    // What the month and year lists of the filter row show: whether they are
    // the active period filter, the year and the month (0: "(Wszystkie)").
    virtual void monthYearFilter(bool& active, int& year, int& month) const {
        active = false;
        year = month = 0;
    }
    // Shows a section at one of its tabs (the reports page at a tab).
    virtual void showSection(Section section) { showSectionStart(section); }
    // Opens a register and puts its cursor on the record with the key (the
    // deadline checker's "Idź do"); false when the register is not here.
    virtual bool showRegisterRecord(RegisterId /*id*/, const QVariantList& /*key*/) {
        return false;
    }
    // Makes a button of the command row that is no register command
    // ("SBFiszka") available with its hint, running the handler when clicked.
    virtual void addCommandButton(const QString& /*buttonName*/, const QString& /*hint*/,
                                  std::function<void()> /*handler*/) {}
    // Reads the register on screen again with the main window's filters.
    virtual void refreshRegisterOnScreen() {}
    // Puts a feature's part of the start page beside the notepad.
    virtual void addStartPagePart(QWidget* /*part*/) {}

    // Prints a record's card ("Drukuj"); set by the reports module, empty
    // until then.
    std::function<void(const RecordCardText&)> printRecordCard;

    // Opens the dictionary window on one list (its code, e.g. "FLOTA"); set by
    // the dictionaries module, empty until then. Edit windows' "[...]" buttons
    // use it and reload their list afterwards.
    std::function<void(const QString& dictionaryCode)> openDictionary;
};

} // namespace kv
