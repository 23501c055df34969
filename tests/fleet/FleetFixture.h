#pragma once

#include "TestSupport.h"

#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

namespace kv::test {

// A company made from the empty templates in a fresh location, opened in a
// data module of its own.
inline std::unique_ptr<DataModule> openTemplateCompany(TestEnvironment& env, const QString& name) {
    engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    const QString location = env.newDirectory(name);
    makeTemplateCompany(QDir(location).filePath(QStringLiteral("firma")));
    QFile::copy(QDir(templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                QDir(location).filePath(QStringLiteral("firmy.DB")));
    return openCompanyIn(location, QStringLiteral("firma"));
}

} // namespace kv::test
