// The folders of src/ form layers: a folder includes only its own headers and
// those of the folders below it, and nothing outside a gui/ folder or the
// program's entry includes window code. Checked over the whole source tree
// on every build, and over planted faults so the check itself is known to bite.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// Lowest first. Folders of one rank may not include each other.
const QList<QStringList>& layers() {
    static const QList<QStringList> list{
        {QStringLiteral("support")},
        {QStringLiteral("reportengine")},
        {QStringLiteral("storage")},
        {QStringLiteral("schema")},
        {QStringLiteral("location")},
        {QStringLiteral("framework")},
        {QStringLiteral("users")},
        {QStringLiteral("options")},
        {QStringLiteral("dictionaries")},
        {QStringLiteral("fleet")},
        {QStringLiteral("trips")},
        {QStringLiteral("fuel")},
        {QStringLiteral("costs")},
        {QStringLiteral("subregisters")},
        {QStringLiteral("deadlines")},
        {QStringLiteral("reports")},
        {QStringLiteral("charts")},
        {QStringLiteral("import")},
        {QStringLiteral("admin")},
        {QStringLiteral("catalog")},
        {QStringLiteral("app"), QStringLiteral("cli")},
        {QStringLiteral("tools")},
    };
    return list;
}

int rankOf(const QString& folder) {
    for (int i = 0; i < layers().size(); ++i)
        if (layers().at(i).contains(folder))
            return i;
    return -1;
}

struct SourceFile {
    QString path; // relative to src/, e.g. "fleet/gui/VehicleDialog.cpp"
    QString text;
};

bool isWindowCode(const QString& path) {
    return path.contains(QStringLiteral("/gui/")) || path.startsWith(QStringLiteral("app/"));
}

// Every rule the files break, one line each.
QStringList layeringViolations(const QList<SourceFile>& files, const QSet<QString>& widgetHeaders) {
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"),
        QRegularExpression::MultilineOption);
    QStringList problems;
    for (const SourceFile& f : files) {
        const QString folder = f.path.section(u'/', 0, 0);
        const int rank = rankOf(folder);
        if (rank < 0) {
            problems << f.path + QStringLiteral(": folder not in the layer list");
            continue;
        }
        auto it = include.globalMatch(f.text);
        while (it.hasNext()) {
            const auto m = it.next();
            const QString header = m.captured(2);
            if (m.captured(1) == u"<") {
                const QString name = header.section(u'/', -1);
                if (!isWindowCode(f.path) && (header.startsWith(QStringLiteral("QtWidgets")) ||
                                              widgetHeaders.contains(name)))
                    problems << f.path + QStringLiteral(": window code <") + header + u'>';
                continue;
            }
            const QString target = header.section(u'/', 0, 0);
            if (!header.contains(u'/') || rankOf(target) < 0)
                continue; // a header of the tests or of a library
            if (header.contains(QStringLiteral("/gui/")) && !isWindowCode(f.path))
                problems << f.path + QStringLiteral(": window header ") + header;
            if (target != folder && rankOf(target) >= rank)
                problems << f.path + QStringLiteral(": includes ") + header +
                                QStringLiteral(" from a layer not below it");
        }
    }
    return problems;
}

QSet<QString> widgetHeaderNames() {
    QSet<QString> names;
    QDirIterator it(QStringLiteral(KV_QT_WIDGETS_INCLUDE), QDir::Files);
    while (it.hasNext())
        names.insert(QFileInfo(it.next()).fileName());
    return names;
}

QList<SourceFile> sourceTree() {
    const QDir src(QStringLiteral(KV_SOURCE_DIR "/src"));
    QList<SourceFile> files;
    QDirIterator it(src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.append(
                {src.relativeFilePath(file.fileName()), QString::fromUtf8(file.readAll())});
    }
    return files;
}

} // namespace

class TestLayering : public QObject {
    Q_OBJECT

private slots:
    void theSourceTreeKeepsItsLayers() {
        const QList<SourceFile> files = sourceTree();
        QVERIFY(files.size() > 100);
        const QSet<QString> widgets = widgetHeaderNames();
        QVERIFY(widgets.contains(QStringLiteral("QLineEdit")));
        const QStringList problems = layeringViolations(files, widgets);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void plantedFaultsAreFound() {
        const QSet<QString> widgets{QStringLiteral("QLineEdit")};
        const QList<SourceFile> planted{
            // a core file with a widget
            {QStringLiteral("fleet/VehicleForm.cpp"), QStringLiteral("#include <QLineEdit>\n")},
            // a core file with a window header
            {QStringLiteral("fleet/VehicleRegister.cpp"),
             QStringLiteral("#include \"fleet/gui/VehicleDialog.h\"\n")},
            // a lower layer reaching up, and two folders of one rank
            {QStringLiteral("storage/DataModule.cpp"),
             QStringLiteral("#include \"framework/Registers.h\"\n")},
            {QStringLiteral("cli/Commands.cpp"), QStringLiteral("#include \"app/MainWindow.h\"\n")},
            // a folder nobody placed
            {QStringLiteral("misc/Thing.cpp"), QString()},
        };
        const QStringList problems = layeringViolations(planted, widgets);
        QCOMPARE(problems.size(), 5);
        QVERIFY(problems.at(0).contains(QStringLiteral("<QLineEdit>")));
        QVERIFY(problems.at(1).contains(QStringLiteral("window header")));
        QVERIFY(problems.at(2).contains(QStringLiteral("framework/Registers.h")));
        QVERIFY(problems.at(3).contains(QStringLiteral("app/MainWindow.h")));
        QVERIFY(problems.at(4).contains(QStringLiteral("not in the layer list")));

        // What the rules allow: a window including the core, a layer its own
        // and lower headers.
        const QList<SourceFile> fine{
            {QStringLiteral("fleet/gui/VehicleDialog.cpp"),
             QStringLiteral("#include <QLineEdit>\n#include \"framework/gui/FormFields.h\"\n"
                            "#include \"fleet/VehicleForm.h\"\n")},
            {QStringLiteral("app/main.cpp"), QStringLiteral("#include <QApplication>\n")},
            {QStringLiteral("catalog/RegisterTable.cpp"),
             QStringLiteral("#include \"fleet/VehicleStatus.h\"\n#include <QString>\n")},
        };
        QVERIFY(layeringViolations(fine, widgets).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
