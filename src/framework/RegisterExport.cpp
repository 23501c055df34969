#include "framework/RegisterExport.h"

#include "framework/RegisterSheet.h"
#include "support/UserInterface.h"

namespace kv {

CsvOutcome exportRegister(const RegisterTableModel& model, const QString& fileName,
                          CsvEncoding encoding) {
    return writeCsv(registerSheet(model), fileName, encoding);
}

QString replacedCharactersText(qsizetype replaced, const QString& howToKeep) {
    if (replaced <= 0)
        return {};
    return QStringLiteral("Znaki spoza strony kodowej Windows-1250 zastąpiono znakiem „?” "
                          "(%1); %2, aby je zachować.")
        .arg(replaced)
        .arg(howToKeep);
}

QString exportResultText(const CsvOutcome& outcome) {
    if (!outcome.written)
        return kExportFailedText;
    const QString replaced = replacedCharactersText(outcome.replaced);
    return replaced.isEmpty() ? kExportDoneText : kExportDoneText + u'\n' + replaced;
}

void reportExport(const CsvOutcome& outcome) {
    ui().information(QStringLiteral("Informacja"), exportResultText(outcome));
}

} // namespace kv
