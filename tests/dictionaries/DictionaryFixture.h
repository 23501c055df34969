#pragma once

#include "fleet/FleetFixture.h"

#include "dictionaries/DictionaryBook.h"

#include <QDirIterator>
#include <optional>

namespace kv::test {

// The demonstration company of the installation copied into a fresh location
// and opened in a data module of its own.
inline std::unique_ptr<DataModule> openDemoCompany(TestEnvironment& env, const QString& name) {
    engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    const QString location = env.newDirectory(name);
    const QDir company(QDir(location).filePath(QStringLiteral("demo")));
    QDir().mkpath(company.path());
    QDirIterator it(QDir(templateDataDir()).filePath(QStringLiteral("demo")),
                    {QStringLiteral("*.DB")});
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = company.filePath(it.fileName());
        if (!QFile::copy(source, target))
            return nullptr;
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    QFile::copy(QDir(templateDataDir()).filePath(QStringLiteral("firmy.D_")),
                QDir(location).filePath(QStringLiteral("firmy.DB")));
    return openCompanyIn(location, QStringLiteral("demo"));
}

// An entry window that answers from a script: each confirm() takes the next
// values and, like the real window, confirms only what passes the checks,
// handing back the values as the checks rewrote them.
class ScriptedEntryForm : public DictionaryEntryView {
public:
    const DictionaryList* list = nullptr;
    QList<std::optional<DictionaryEntryValues>> script;
    DictionaryEntryLayout layout;
    DictionaryEntryValues shown;
    FormCheck lastCheck;
    int shows = 0;

    void load(const DictionaryEntryLayout& l, const DictionaryEntryValues& v) override {
        layout = l;
        shown = v;
    }
    DictionaryEntryValues values() const override { return shown; }
    bool confirm() override {
        ++shows;
        while (!script.isEmpty()) {
            const std::optional<DictionaryEntryValues> next = script.takeFirst();
            if (!next)
                return false;
            shown = *next;
            lastCheck = checkDictionaryEntry(*list, shown);
            if (lastCheck.ok)
                return true;
        }
        return false;
    }
};

inline DictionaryEntryValues entry(const QString& text, const QString& second = {},
                                   bool bookVat = true) {
    return {text, second, bookVat};
}

} // namespace kv::test
