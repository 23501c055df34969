// Build-time generator of the user's guides: Markdown sources (docs/manual)
// into the PDF files the program opens from its help. Each guide is made of
// one or more chapter files read in the order given; every chapter but the
// first starts on a new page, and the pages are numbered.
//
//   karvento-mkdocs OUTPUT.pdf CHAPTER.md [CHAPTER.md ...]
//
// Needs no display: without one it uses Qt's offscreen platform.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>
#include <optional>

namespace {

void fail(const QString& text) {
    std::fprintf(stderr, "karvento-mkdocs: %s\n", qPrintable(text));
}

// The chapters one after another, each beginning with its level-one heading.
std::optional<QString> readChapters(const QStringList& files) {
    QStringList texts;
    for (const QString& file : files) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("nie można odczytać %1: %2").arg(file, f.errorString()));
            return std::nullopt;
        }
        texts.append(QString::fromUtf8(f.readAll()));
    }
    return texts.join(QStringLiteral("\n\n"));
}

// The text of the first level-one heading: the guide's title.
QString titleOf(const QTextDocument& document) {
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 1)
            return b.text();
    return {};
}

// Headings set in the guide's own sizes; chapters (level one) after the first
// begin a new page.
void lay(QTextDocument& document) {
    bool first = true;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCursor cursor(b);
        QTextBlockFormat block = b.blockFormat();
        block.setTopMargin(level == 1 ? 0 : 14);
        block.setBottomMargin(6);
        if (level == 1 && !first)
            block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        first = first && level != 1;
        cursor.setBlockFormat(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat chars;
        chars.setFontPointSize(level == 1 ? 20 : level == 2 ? 14 : 12);
        chars.setFontWeight(QFont::Bold);
        chars.setForeground(QColor(0x1f, 0x3f, 0x66));
        cursor.mergeCharFormat(chars);
    }
}

bool writePdf(const QString& markdown, const QString& output) {
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    if (document.isEmpty()) {
        fail(QStringLiteral("pusty dokument dla %1").arg(output));
        return false;
    }
    lay(document);

    // Written beside the target and renamed: a failed run leaves the old PDF.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("nie można zapisać %1: %2").arg(output, file.errorString()));
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
        pdf.setResolution(300);
        pdf.setTitle(titleOf(document));
        pdf.setCreator(QStringLiteral("Karvento"));
        document.print(&pdf);
    }
    return file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "użycie: karvento-mkdocs PLIK.pdf ROZDZIAŁ.md [ROZDZIAŁ.md ...]\n");
        return 2;
    }
    const std::optional<QString> markdown = readChapters(args.mid(1));
    if (!markdown || !writePdf(*markdown, args.first()))
        return 1;
    return 0;
}
