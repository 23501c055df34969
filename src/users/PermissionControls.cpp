#include "users/PermissionControls.h"

#include "framework/Registers.h"

namespace kv {

namespace {

using Kind = PermissionControlKind;

class ControlList {
public:
    void add(int permission, Kind kind, const QString& name) {
        for (PermissionControl& c : m_controls)
            if (c.kind == kind && c.name == name) {
                if (!c.permissions.contains(permission))
                    c.permissions.append(permission);
                return;
            }
        m_controls.append({kind, name, {permission}});
    }
    void items(int permission, std::initializer_list<const char*> texts) {
        for (const char* text : texts)
            add(permission, Kind::MenuItem, QString::fromUtf8(text));
    }
    QList<PermissionControl> take() { return std::move(m_controls); }

private:
    QList<PermissionControl> m_controls;
};

QList<PermissionControl> build() {
    ControlList list;
    list.add(permission::Administrator, Kind::Menu, QStringLiteral("menuAdministracja"));
    for (const RegisterDescriptor& d : allRegisters()) {
        if (d.registerButton.isEmpty()) // the vehicles: a section of their own
            list.add(d.readPermission, Kind::SectionButton, QStringLiteral("SBPojazdy"));
        else
            list.add(d.readPermission, Kind::RegisterButton, QStringLiteral("RB") + d.page);
        list.add(d.readPermission, Kind::MenuItem, d.menuItem);
    }
    list.items(4, {"Utwórz kopię przejazdów na podstawie wskazanego miesiąca"});
    list.items(49, {"Sprawdź stany magazynowe"});
    list.add(permission::Reports, Kind::SectionButton, QStringLiteral("SBRaporty"));
    // All six report submenus of "Widok", not only three of them: a user
    // without the reports would otherwise reach the others from the menu.
    list.items(permission::Reports,
               {"Raporty wg pojazdów", "Raporty wg kierowców", "Karty drogowe", "Kilometrówka VAT",
                "Pozostałe raporty 1", "Pozostałe raporty 2"});
    list.add(permission::DictionaryRead, Kind::RegisterButton, QStringLiteral("RBSlBiblioteka"));
    list.items(permission::DictionaryRead, {"Biblioteka"});
    list.add(22, Kind::RegisterButton, QStringLiteral("RBSlDaneFirmy"));
    list.items(22, {"Dane Firmy"});
    list.items(permission::Options, {"Opcje"});
    list.items(permission::Notepad, {"Notatnik"});
    list.add(permission::Import, Kind::Menu, QStringLiteral("menuImport"));
    list.items(permission::Import,
               {"Import kosztów z arkusza .CSV", "Import taknowania (ciągłe) z arkusza .CSV",
                "Import tankowania Km z arkusza .CSV", "Import tankowania Mth z arkusza .CSV"});
    list.items(permission::DeadlineCheck, {"Sprawdź terminy", "Sprawdź stany magazynowe"});
    list.items(permission::DistanceTable, {"Tabela odległości"});
    return list.take();
}

} // namespace

const QList<PermissionControl>& permissionControls() {
    static const QList<PermissionControl> controls = build();
    return controls;
}

bool controlAllowed(const PermissionControl& control, const PermissionSet& permissions) {
    for (int p : control.permissions)
        if (!permissions.has(p))
            return false;
    return true;
}

} // namespace kv
