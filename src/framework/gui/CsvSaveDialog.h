#pragma once

#include "support/CsvWriter.h"

#include <QFileDialog>
#include <optional>

class QComboBox;

namespace kv {

// The save dialog of "do CSV" (CSVFileName): "Eksportuj dane do arkusza
// .CSV", sheets (*.csv) or all files, ".csv" added to a name without an
// extension, a question before an existing file is replaced, and the
// encoding to write in.
class CsvSaveDialog : public QFileDialog {
    Q_OBJECT
public:
    struct Choice {
        QString fileName;
        CsvEncoding encoding;
    };

    CsvSaveDialog(QWidget* parent, const QString& directory, const QString& proposedName,
                  CsvEncoding encoding);

    CsvEncoding encoding() const;
    QComboBox* encodingList() const { return m_encoding; }

    // Shows the dialog; nothing when it is cancelled.
    static std::optional<Choice> ask(QWidget* parent, const QString& directory,
                                     const QString& proposedName, CsvEncoding encoding);

public slots:
    void accept() override;

private:
    QComboBox* m_encoding;
};

} // namespace kv
