#pragma once

#include <QString>
#include <bitset>

namespace kv {

// The logged-in user's permissions: 101 flags by permission number 0..100.
class PermissionSet {
public:
    static constexpr int kCount = 101;

    bool has(int number) const {
        return number >= 0 && number < kCount && m_bits.test(static_cast<size_t>(number));
    }
    void set(int number, bool granted = true) {
        if (number >= 0 && number < kCount)
            m_bits.set(static_cast<size_t>(number), granted);
    }
    void setAll(bool granted) {
        if (granted)
            m_bits.set();
        else
            m_bits.reset();
    }
    int count() const { return static_cast<int>(m_bits.count()); }

private:
    std::bitset<kCount> m_bits;
};

// Single permission numbers that are not a register's read/write pair.
namespace permission {
constexpr int Administrator = 0;
constexpr int Reports = 17;
constexpr int DictionaryRead = 18;
constexpr int DictionaryWrite = 19;
constexpr int CompanyDataWrite = 23;
constexpr int EmployeesWrite = 25;
constexpr int Options = 26;
constexpr int Notepad = 27;
constexpr int DeadlineCheck = 31;
constexpr int DistanceTable = 32;
constexpr int Import = 53;
} // namespace permission

// The built-in administrator: holds every permission whatever the
// permission table says, and its account cannot be deleted.
inline const QString kAdministratorName = QStringLiteral("ADMIN");

// Who is logged in and where.
struct LoginState {
    QString userName;        // upper case
    QString userDescription; // OPIS
    QString companyDir;      // the chosen company's folder
    QString companyName;     // its short name (NAZWA of firmy.DB)
    PermissionSet permissions;
    bool accepted = false; // the login window accepted the user

    // Forgets the user and the company (before the login window is shown).
    void forget() { *this = LoginState{}; }
};

// The login of the running program.
LoginState& currentLogin();

} // namespace kv
