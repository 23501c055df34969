#include "reports/RecordCardReport.h"

#include "reportengine/ReportFonts.h"
#include "reports/CommonVariables.h"
#include "reports/ReportRunner.h"
#include "reports/ReportWalk.h"
#include "support/UserInterface.h"

#include <QDir>

namespace kv {

std::optional<report::ReportDocument> recordCardDocument(DataModule& db, const RecordCardText& card,
                                                         const ReportChoices& choices,
                                                         const QString& templateDir) {
    const QString dir = templateDir.isEmpty() ? reportTemplateDirectory() : templateDir;
    report::TemplateError error;
    const auto tpl = report::loadTemplate(QDir(dir).filePath(kCardTemplate), &error);
    if (!tpl) {
        ui().information(QStringLiteral("Błąd"), error.message());
        return std::nullopt;
    }
    QString fontError;
    if (!report::loadReportFonts(&fontError)) {
        ui().information(QStringLiteral("Błąd"), fontError);
        return std::nullopt;
    }
    // One row: the card prints once, whatever any register holds.
    ReportDefinition def;
    def.templateFile = kCardTemplate;
    ReportRow row{std::shared_ptr<const ResultSet>()};
    WalkExtras extras;
    extras.fixedRows = 1;
    extras.card = std::make_pair(card.title, card.body);
    return layoutReportRows(*tpl, def, row, choices, commonValues(db, choices), std::move(extras));
}

} // namespace kv
