#pragma once

#include "TestSupport.h"

#include "data/ErrorLog.h"
#include "data/Schema.h"
#include "data/TmyDataBase.h"
#include "data/engine/EngineSession.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

namespace kv::test {

// A company made from the empty templates in a fresh location, opened in a
// data module of its own.
inline std::unique_ptr<TmyDataBase> openTemplateCompany(TestEnvironment& env, const QString& name) {
    engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    const QString location = env.newDirectory(name);
    makeTemplateCompany(QDir(location).filePath(QStringLiteral("firma")));
    QFile::copy(QDir(templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                QDir(location).filePath(QStringLiteral("firmy.DB")));
    return openCompanyIn(location, QStringLiteral("firma"));
}

} // namespace kv::test
