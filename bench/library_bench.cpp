// What the maintained libraries cost against the hand-written code they
// replaced (kept in EarlierImplementations.h for this purpose only):
//
// - one table key: PBKDF2-HMAC-SHA256, 64,000 rounds, by OpenSSL and by the
//   earlier own HMAC over QCryptographicHash (the benchmark first checks that
//   both give the key the program attaches with);
// - one login's password check with the Argon2id cost new passwords get: the
//   right password, a wrong one, a user that does not exist (the last two must
//   take the same time), also as whole login attempts;
// - 100,000 surnames sorted by the persons register's own statement (ORDER BY
//   NAZWISKO COLLATE PL) from a refresh to the rows in memory, with the "PL"
//   collation swapped on the same connection: the earlier letter table, ICU
//   once per comparison (what the program registers), ICU sort keys kept per
//   text (the alternative, with a cache of 1 MiB and of 16 MiB), and plain
//   byte order as the floor. Two data sets: 100,000 rows over 240 surnames (a
//   real register repeats them) and 100,000 distinct ones.
//
//   build-release/bin/library_bench --benchmark_repetitions=5
//   (add --benchmark_report_aggregates_only=true for the mean and median only)

#include "EarlierImplementations.h"

#include "framework/RegisterController.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/DataModule.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/KeyDerivation.h"
#include "users/LoginSession.h"
#include "users/PasswordHash.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Flota-2024!");
// What KeyDerivation.cpp derives table keys with.
const QByteArray kTableKeySalt = QByteArrayLiteral("Karvento table key v1");
constexpr int kTableKeyRounds = 64000;

std::unique_ptr<QTemporaryDir> g_scratch;

double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// A location with one company "firma" listed in firmy.DB.
QString makeLocation(const QString& name) {
    const QString location = QDir(g_scratch->path()).filePath(name);
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    QDir().mkpath(company);
    createCompanyTables(company, kPassword);
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(location, false);
    createTable(c, schema::companiesTable(), kPassword);
    c.execute(QStringLiteral("INSERT INTO firmy (NAZWA, DIR) VALUES ('Firma', 'firma')"));
    return location;
}

// ---------------------------------------------------------------------------
// Table keys

void BM_TableKey(benchmark::State& state, bool openssl) {
    const QByteArray password = kPassword.toUtf8();
    const QString attached = engine::rawKeyForPassword(kPassword);
    for (const bool which : {false, true}) {
        const QByteArray key =
            which ? engine::pbkdf2Sha256(password, kTableKeySalt, kTableKeyRounds, 32)
                  : earlier::pbkdf2Sha256(password, kTableKeySalt, kTableKeyRounds, 32);
        if (QStringLiteral("x'%1'").arg(QString::fromLatin1(key.toHex())) != attached) {
            state.SkipWithError("the two derivations differ");
            return;
        }
    }
    for (auto _ : state) {
        const QByteArray key =
            openssl ? engine::pbkdf2Sha256(password, kTableKeySalt, kTableKeyRounds, 32)
                    : earlier::pbkdf2Sha256(password, kTableKeySalt, kTableKeyRounds, 32);
        benchmark::DoNotOptimize(key.constData());
    }
}
BENCHMARK_CAPTURE(BM_TableKey, Earlier_OwnHmac, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TableKey, OpenSSL, true)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------
// Password checks

enum class Typed { Right, Wrong, NoSuchUser };

void BM_PasswordCheck(benchmark::State& state, Typed typed) {
    static const QString stored = hashPassword(QStringLiteral("tajne-haslo1"));
    const std::optional<QString> row =
        typed == Typed::NoSuchUser ? std::nullopt : std::optional<QString>(stored);
    const QString password =
        typed == Typed::Right ? QStringLiteral("tajne-haslo1") : QStringLiteral("tajne-haslo2");
    const PasswordMatch expected =
        typed == Typed::Right ? PasswordMatch::Hash : PasswordMatch::None;
    for (auto _ : state) {
        if (checkLoginPassword(row, password) != expected)
            state.SkipWithError("unexpected result");
    }
}
BENCHMARK_CAPTURE(BM_PasswordCheck, RightPassword, Typed::Right)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasswordCheck, WrongPassword, Typed::Wrong)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasswordCheck, NoSuchUser, Typed::NoSuchUser)->Unit(benchmark::kMillisecond);

// A whole refused or accepted login attempt: the company opened, the user
// read, the password checked. Only attempt() is timed, in processor time.
void BM_LoginAttempt(benchmark::State& state, Typed typed) {
    static const QString location = [] {
        const QString l = makeLocation(QStringLiteral("login"));
        engine::EngineSession s;
        s.addPassword(kPassword);
        engine::Connection c(&s);
        c.open(QDir(l).filePath(QStringLiteral("firma")), false);
        c.execute(QStringLiteral("INSERT INTO userzy (NAZWA, HASLO, OPIS) VALUES ('JAN', "
                                 ":PARAM0, 'Kierowca')"),
                  engine::positionalParams({hashPassword(QStringLiteral("tajne-haslo1"))}));
        return l;
    }();
    DataModule db;
    LoginSession session(db);
    const LoginCompany company{QStringLiteral("Firma"), QStringLiteral("firma")};
    const QString user =
        typed == Typed::NoSuchUser ? QStringLiteral("NIKT") : QStringLiteral("JAN");
    const QString password =
        typed == Typed::Right ? QStringLiteral("tajne-haslo1") : QStringLiteral("tajne-haslo2");
    const auto expected =
        typed == Typed::Right ? LoginSession::Outcome::Accepted : LoginSession::Outcome::Refused;
    for (auto _ : state) {
        if (!session.prepare({location, kPassword})) {
            state.SkipWithError("the location does not open");
            return;
        }
        // The thread's processor time: on a shared machine the wall clock
        // mostly measures the neighbours, and a 64 MiB hash is sensitive to them.
        const double start = threadCpuSeconds();
        const auto outcome = session.attempt(company, user, password);
        state.SetIterationTime(threadCpuSeconds() - start);
        if (outcome != expected)
            state.SkipWithError("unexpected outcome");
    }
}
BENCHMARK_CAPTURE(BM_LoginAttempt, RightPassword, Typed::Right)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoginAttempt, WrongPassword, Typed::Wrong)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoginAttempt, NoSuchUser, Typed::NoSuchUser)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------
// Sorting surnames

constexpr int kPersons = 100000;

const QStringList& surnames() {
    static const QStringList list = [] {
        QStringList l;
        for (const char* s :
             {"Nowak",        "Kowalski",     "Wiśniewski",  "Wójcik",      "Kowalczyk",
              "Kamiński",     "Lewandowski",  "Zieliński",   "Szymański",   "Woźniak",
              "Dąbrowski",    "Kozłowski",    "Jankowski",   "Mazur",       "Kwiatkowski",
              "Krawczyk",     "Piotrowski",   "Grabowski",   "Nowakowski",  "Pawłowski",
              "Michalski",    "Nowicki",      "Adamczyk",    "Dudek",       "Zając",
              "Wieczorek",    "Jabłoński",    "Król",        "Majewski",    "Olszewski",
              "Jaworski",     "Wróbel",       "Malinowski",  "Pawlak",      "Witkowski",
              "Walczak",      "Stępień",      "Górski",      "Rutkowski",   "Michalak",
              "Sikora",       "Ostrowski",    "Baran",       "Duda",        "Szewczyk",
              "Tomaszewski",  "Pietrzak",     "Marciniak",   "Wróblewski",  "Zalewski",
              "Jakubowski",   "Jasiński",     "Zawadzki",    "Sadowski",    "Bąk",
              "Chmielewski",  "Włodarczyk",   "Borkowski",   "Czarnecki",   "Sawicki",
              "Sokołowski",   "Urbański",     "Kubiak",      "Maciejewski", "Szczepański",
              "Kucharski",    "Wilk",         "Kalinowski",  "Lis",         "Mazurek",
              "Wysocki",      "Adamski",      "Kaźmierczak", "Wasilewski",  "Sobczak",
              "Czerwiński",   "Andrzejewski", "Cieślak",     "Głowacki",    "Zakrzewski",
              "Kołodziej",    "Sikorski",     "Krajewski",   "Gajewski",    "Szymczak",
              "Szulc",        "Baranowski",   "Laskowski",   "Brzeziński",  "Makowski",
              "Ziółkowski",   "Przybylski",   "Ćwik",        "Łukasik",     "Ślusarz",
              "Żak",          "Źrebiec",      "Müller",      "Schäfer",     "O'Connor",
              "Nguyễn",       "Øster",        "Łęcki",       "Śliwa",       "Żurek",
              "Ąbel",         "Ędward",       "Ńuk",         "Óbrycki",     "de Vries",
              "van der Berg", "Smith",        "Кузнецов",    "Ferreira",    "Kovács",
              "Dvořák",       "Šimek",        "Čech",        "Jensen",      "García"}) {
            const QString name = QString::fromUtf8(s);
            l.append(name);
            // The feminine form where Polish has one.
            if (name.endsWith(QStringLiteral("ski")) || name.endsWith(QStringLiteral("cki")) ||
                name.endsWith(QStringLiteral("dzki")))
                l.append(name.chopped(1) + u'a');
            else
                l.append(name.toUpper());
        }
        return l;
    }();
    return list;
}

// A company whose persons register holds 100,000 people: surnames repeated
// (distinct == false) or all different (double-barrelled, numbered).
QString personsLocation(bool distinct) {
    const QString location =
        makeLocation(distinct ? QStringLiteral("distinct") : QStringLiteral("repeated"));
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(QDir(location).filePath(QStringLiteral("firma")), false);
    c.beginWrite({QStringLiteral("osobowa")});
    sqlite3_stmt* stmt = nullptr;
    c.attachTable(QStringLiteral("osobowa"));
    if (sqlite3_prepare_v2(c.handle(),
                           "INSERT INTO osobowa (NREW, NAZWISKO, IMIE) VALUES (?1, ?2, 'Jan')", -1,
                           &stmt, nullptr) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(c.handle())));
    std::mt19937 rng(30);
    const QStringList& names = surnames();
    const auto pick = [&] { return names.at(int(rng() % names.size())); };
    for (int i = 0; i < kPersons; ++i) {
        const QByteArray id = QByteArray::number(i);
        const QByteArray surname =
            (distinct ? QStringLiteral("%1-%2 %3").arg(pick(), pick()).arg(i) : pick()).toUtf8();
        sqlite3_bind_text(stmt, 1, id.constData(), int(id.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, surname.constData(), int(surname.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) != SQLITE_DONE)
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(c.handle())));
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    c.commit();
    return location;
}

// The alternative the program measured and did not take: ICU's sort key of
// each text made once and kept (keyed by the text, up to a bound), the keys
// compared byte by byte; texts that find the cache full, and the whole rest of
// a sort once look-ups mostly miss, compared by ICU directly.
class SortKeyCollation {
public:
    explicit SortKeyCollation(std::size_t limitBytes) : m_limit(limitBytes) {
        UErrorCode status = U_ZERO_ERROR;
        m_collator = ucol_open("pl", &status);
    }
    ~SortKeyCollation() { ucol_close(m_collator); }

    static int compare(void* self, int an, const void* a, int bn, const void* b) {
        return static_cast<SortKeyCollation*>(self)->compare(
            std::string_view(static_cast<const char*>(a), size_t(an)),
            std::string_view(static_cast<const char*>(b), size_t(bn)));
    }
    static void destroy(void* self) { delete static_cast<SortKeyCollation*>(self); }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept {
            return std::hash<std::string_view>{}(s);
        }
    };

    static int bytes(std::string_view a, std::string_view b) {
        const int c = a.compare(b);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }

    const std::string* key(std::string_view text) {
        const bool full = m_bytes > m_limit;
        auto it = m_keys.find(text);
        if (it != m_keys.end()) {
            m_hitsWhenFull += full;
            return &it->second;
        }
        if (full) {
            m_direct = ++m_missesWhenFull > 1024 && m_missesWhenFull > m_hitsWhenFull;
            return nullptr;
        }
        UErrorCode status = U_ZERO_ERROR;
        int32_t length = 0;
        m_utf16.resize(text.size() + 1);
        u_strFromUTF8WithSub(m_utf16.data(), int32_t(m_utf16.size()), &length, text.data(),
                             int32_t(text.size()), 0xFFFD, nullptr, &status);
        m_key.resize(std::max<size_t>(m_key.size(), 64));
        int32_t needed = ucol_getSortKey(m_collator, m_utf16.data(), length, m_key.data(),
                                         int32_t(m_key.size()));
        if (needed > int32_t(m_key.size())) {
            m_key.resize(size_t(needed));
            needed = ucol_getSortKey(m_collator, m_utf16.data(), length, m_key.data(),
                                     int32_t(m_key.size()));
        }
        std::string k(reinterpret_cast<const char*>(m_key.data()), size_t(std::max(needed - 1, 0)));
        m_bytes += text.size() + k.size() + 96;
        return &m_keys.emplace(std::string(text), std::move(k)).first->second;
    }

    int compare(std::string_view a, std::string_view b) {
        if (a == b)
            return 0;
        const std::string* ka = m_direct ? nullptr : key(a);
        const std::string* kb = ka ? key(b) : nullptr;
        int c = 0;
        if (ka && kb) {
            c = bytes(*ka, *kb);
        } else {
            UErrorCode status = U_ZERO_ERROR;
            const UCollationResult r = ucol_strcollUTF8(m_collator, a.data(), int32_t(a.size()),
                                                        b.data(), int32_t(b.size()), &status);
            c = r == UCOL_EQUAL ? 0 : r == UCOL_LESS ? -1 : 1;
        }
        return c != 0 ? c : bytes(a, b);
    }

    UCollator* m_collator = nullptr;
    std::size_t m_limit;
    std::unordered_map<std::string, std::string, Hash, std::equal_to<>> m_keys;
    std::size_t m_bytes = 0;
    std::size_t m_hitsWhenFull = 0;
    std::size_t m_missesWhenFull = 0;
    bool m_direct = false;
    std::vector<UChar> m_utf16;
    std::vector<uint8_t> m_key;
};

int byteOrder(void*, int an, const void* a, int bn, const void* b) {
    const int c = std::memcmp(a, b, size_t(std::min(an, bn)));
    return c != 0 ? c : an - bn;
}

enum class Collation { Earlier, Program, SortKeys1MiB, SortKeys16MiB, Bytes };

void useCollation(sqlite3* db, Collation which) {
    switch (which) {
    case Collation::Earlier:
        sqlite3_create_collation_v2(db, "PL", SQLITE_UTF8, nullptr, &earlier::comparePolish,
                                    nullptr);
        break;
    case Collation::Program:
        break; // what the connection registered when it opened: ICU per comparison
    case Collation::SortKeys1MiB:
    case Collation::SortKeys16MiB:
        sqlite3_create_collation_v2(
            db, "PL", SQLITE_UTF8,
            new SortKeyCollation(which == Collation::SortKeys1MiB ? 1u << 20 : 16u << 20),
            &SortKeyCollation::compare, &SortKeyCollation::destroy);
        break;
    case Collation::Bytes:
        sqlite3_create_collation_v2(db, "PL", SQLITE_UTF8, nullptr, &byteOrder, nullptr);
        break;
    }
}

// The persons register refreshed, sorted by surname: from the refresh call to
// the 100,000 rows in memory. A fresh connection per run, so kept sort keys
// of an earlier run do not help a later one.
void BM_SortSurnames(benchmark::State& state, Collation which, bool distinct) {
    static const QString repeated = personsLocation(false);
    static const QString different = personsLocation(true);
    const QString location = distinct ? different : repeated;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<DataModule>();
        db->setLocation(location);
        if (!db->openCompanyDatabase(QStringLiteral("firma"))) {
            state.SkipWithError("the company does not open");
            return;
        }
        useCollation(db->companyConnection().handle(), which);
        RegisterController reg(*db, RegisterId::Employees);
        state.ResumeTiming();
        if (!reg.refresh() || reg.rowCount() != kPersons)
            state.SkipWithError("the register did not refresh");
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = kPersons;
}
BENCHMARK_CAPTURE(BM_SortSurnames, Earlier_Repeated, Collation::Earlier, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, IcuPerComparison_Repeated, Collation::Program, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, IcuSortKeys1MiB_Repeated, Collation::SortKeys1MiB, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, IcuSortKeys16MiB_Repeated, Collation::SortKeys16MiB, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, Bytes_Repeated, Collation::Bytes, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, Earlier_Distinct, Collation::Earlier, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, IcuPerComparison_Distinct, Collation::Program, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, IcuSortKeys1MiB_Distinct, Collation::SortKeys1MiB, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, IcuSortKeys16MiB_Distinct, Collation::SortKeys16MiB, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortSurnames, Bytes_Distinct, Collation::Bytes, true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    g_scratch = std::make_unique<QTemporaryDir>();
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(g_scratch->path()).filePath(QStringLiteral("settings")).toUtf8());
    QDir().mkpath(QDir(g_scratch->path()).filePath(QStringLiteral("settings")));
    engine::EngineSession::defaultSession().addPassword(kPassword);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_scratch.reset();
    return 0;
}
