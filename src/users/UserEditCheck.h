#pragma once

#include <QString>

namespace kv {

// What the user window (and `users add` / `users passwd`) hands over.
struct UserEditValues {
    QString name;
    QString description;
    QString password;
    QString repeat; // "Powtórka hasła"
};

constexpr int kUserNameMaxLength = 20;
constexpr int kUserDescriptionMaxLength = 100;
constexpr int kUserPasswordMaxLength = 20;
constexpr int kUserPasswordMinLength = 3;

enum class UserField { None, Name, Description, Password };

// The checks of the user window, in its order: the name given, the password
// given, at least three characters (both trimmed), typed the same twice. The
// window's fields cannot take more than their width; the lengths are checked
// here as well for callers without such fields. The first failing check is
// shown under "Uwaga" and its field returned; UserField::None when all pass.
UserField checkUserEdit(const UserEditValues& values);

} // namespace kv
