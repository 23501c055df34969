#include "users/PermissionBoxes.h"

namespace kv {

const QList<RegisterPermissionRow>& registerPermissionRows() {
    static const QList<RegisterPermissionRow> rows{
        {QStringLiteral("Pojazdy"), 1, 2},
        {QStringLiteral("Przejazdy"), 3, 4},
        {QStringLiteral("Koszty"), 5, 6},
        {QStringLiteral("Karty drogowe"), 45, 46},
        {QStringLiteral("Zużycie paliwa"), 9, 10},
        {QStringLiteral("Wyposażenie"), 11, 12},
        {QStringLiteral("Dokumenty"), 13, 14},
        {QStringLiteral("Karty paliwowe"), 15, 16},
        {QStringLiteral("Terminarz"), 33, 34},
        {QStringLiteral("Opony"), 35, 36},
        {QStringLiteral("Rozliczenia"), 37, 38},
        {QStringLiteral("Zlecenia"), 39, 40},
        {QStringLiteral("Raporty"), 17, -1},
        {QStringLiteral("Biblioteka"), 18, 19},
        {QStringLiteral("Stawki"), 20, 21},
        {QStringLiteral("Dane Firmy"), 22, 23},
        {QStringLiteral("Kartoteka osobowa"), 24, 25},
        {QStringLiteral("Szkody"), 41, 42},
        {QStringLiteral("Przebiegi"), 43, 44},
        {QStringLiteral("Naprawy"), 7, 8},
        {QStringLiteral("Ceny paliw"), 47, 48},
        {QStringLiteral("Magazyn zasobów"), 49, 50},
        {QStringLiteral("Harmonogram"), 51, 52, true},
    };
    return rows;
}

const QList<AccessPermissionBox>& accessPermissionBoxes() {
    static const QString unused = QStringLiteral("NIE UZYWANE");
    static const QList<AccessPermissionBox> boxes{
        {0, QStringLiteral("Użytkownik ma uprawnienia administratora")},
        {26, QStringLiteral("Opcje programu")},
        {31, QStringLiteral("Sprawdzanie terminów i magazynu")},
        {32, QStringLiteral("Tabela odległości")},
        {27, QStringLiteral("Notatnik")},
        {53, QStringLiteral("Importowanie danych")},
        {28, unused, true},
        {29, unused, true},
        {30, unused, true},
    };
    return boxes;
}

QList<PermissionChange> permissionChangesFor(int number, bool granted) {
    for (const RegisterPermissionRow& row : registerPermissionRows()) {
        if (row.read < 0 || row.write < 0)
            continue;
        if (granted && number == row.write)
            return {{row.read, true}, {row.write, true}};
        if (!granted && number == row.read)
            return {{row.write, false}, {row.read, false}};
    }
    return {{number, granted}};
}

} // namespace kv
