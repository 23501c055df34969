#include "users/UserEditCheck.h"

#include "support/TextFunctions.h"
#include "support/UserInterface.h"

namespace kv {

namespace {
UserField refuse(UserField field, const QString& message) {
    ui().information(QStringLiteral("Uwaga"), message);
    return field;
}
} // namespace

UserField checkUserEdit(const UserEditValues& v) {
    const QString name = v.name.trimmed();
    if (name.isEmpty())
        return refuse(UserField::Name,
                      QStringLiteral("Nie wprowadzono nazwy użytkownika. Popraw pole."));
    if (name.size() > kUserNameMaxLength)
        return refuse(UserField::Name,
                      QStringLiteral("Nazwa użytkownika jest zbyt długa (najwyżej %1 znaków). "
                                     "Popraw pole.")
                          .arg(kUserNameMaxLength));
    if (hasControlCharacters(v.name))
        return refuse(UserField::Name, QStringLiteral("Nazwa użytkownika nie może zawierać "
                                                      "znaków tabulacji ani końca wiersza. "
                                                      "Popraw pole."));
    if (hasControlCharacters(v.description))
        return refuse(UserField::Description, QStringLiteral("Opis nie może zawierać znaków "
                                                             "tabulacji ani końca wiersza. Popraw "
                                                             "pole."));
    if (v.description.size() > kUserDescriptionMaxLength)
        return refuse(UserField::Description,
                      QStringLiteral("Opis jest zbyt długi (najwyżej %1 znaków). Popraw pole.")
                          .arg(kUserDescriptionMaxLength));
    const QString password = v.password.trimmed();
    if (password.isEmpty())
        return refuse(UserField::Password, QStringLiteral("Nie wprowadzono hasła. Popraw pole."));
    if (password.size() < kUserPasswordMinLength)
        return refuse(UserField::Password,
                      QStringLiteral("Hasło zbyt krótkie. Powinno składać się conajmniej z trzech "
                                     "znaków. Popraw pole."));
    if (v.password.size() > kUserPasswordMaxLength)
        return refuse(UserField::Password,
                      QStringLiteral("Hasło jest zbyt długie (najwyżej %1 znaków). Popraw pole.")
                          .arg(kUserPasswordMaxLength));
    if (v.password != v.repeat)
        return refuse(UserField::Password,
                      QStringLiteral("Wprowadzone hasło jest inne od ponownie wprowadzonego. "
                                     "Popraw pole."));
    return UserField::None;
}

} // namespace kv
