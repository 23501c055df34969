#include "TestSupport.h"

#include "app/CommandRow.h"
#include "app/MainMenu.h"
#include "app/ModuleFactories.h"
#include "app/SectionPages.h"
#include "app/ThemeIcons.h"
#include "storage/SettingsPaths.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QToolButton>

using namespace kv;

namespace {

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2a, 0x2e, 0x32));
    p.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    p.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    p.setColor(QPalette::Text, QColor(0xfc, 0xfc, 0xfc));
    p.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
    p.setColor(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc));
    return p;
}

// The mean lightness of the drawn (not transparent) pixels of an icon.
double inkLightness(const QIcon& icon) {
    const QImage image = icon.pixmap(22, 22).toImage().convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128)
                continue;
            sum += c.lightness();
            ++count;
        }
    return count ? sum / count : -1;
}

QString bundledIcons() {
    return QDir(installDirectory()).filePath(QStringLiteral("icons"));
}

} // namespace

class TestThemeIcons : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QStringList m_searchPaths;
    QString m_themeName;

private slots:
    void initTestCase() {
        m_searchPaths = QIcon::themeSearchPaths();
        m_themeName = QIcon::themeName();
    }

    void init() {
        QIcon::setThemeSearchPaths(m_searchPaths);
        QIcon::setThemeName(m_themeName);
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void everyMappedNameIsInBothBundledVariants() {
        // Only the bundle: nothing installed on the computer may stand in.
        QIcon::setThemeSearchPaths({bundledIcons()});
        QIcon::setFallbackThemeName(QString());
        const QStringList names = themeIconNames();
        QVERIFY(names.size() > 30);
        for (const QString& theme : {QStringLiteral("breeze"), QStringLiteral("breeze-dark")}) {
            QIcon::setThemeName(theme);
            for (const QString& name : names)
                QVERIFY2(!QIcon::fromTheme(name).isNull(), qPrintable(theme + u'/' + name));
            QVERIFY(QFileInfo::exists(
                QDir(bundledIcons()).filePath(theme + QStringLiteral("/COPYRIGHT"))));
        }
        QVERIFY(QIcon::fromTheme(QStringLiteral("no-such-icon-anywhere")).isNull());
    }

    void theDarkVariantReadsOnADarkWindow() {
        // Breeze draws a few icons in its text colour in both variants (the
        // 16-pixel phrase book did): such a name would vanish on a dark window.
        QIcon::setThemeSearchPaths({bundledIcons()});
        QIcon::setThemeName(QStringLiteral("breeze-dark"));
        for (const QString& name : themeIconNames()) {
            // Drawn in full colour for both variants, with light keys.
            if (name == u"accessories-calculator")
                continue;
            for (int size : {16, 22}) {
                const QImage image = QIcon::fromTheme(name)
                                         .pixmap(size, size)
                                         .toImage()
                                         .convertToFormat(QImage::Format_ARGB32);
                int ink = 0;
                int dark = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor c = image.pixelColor(x, y);
                        if (c.alpha() < 128)
                            continue;
                        ++ink;
                        dark += c.lightness() < 80;
                    }
                QVERIFY2(
                    ink > 0 && dark * 2 < ink,
                    qPrintable(
                        QStringLiteral("%1 %2: %3 of %4").arg(name).arg(size).arg(dark).arg(ink)));
            }
        }
    }

    void unknownKeysGiveNoIcon() {
        QVERIFY(themeIconName(QStringLiteral("SBNieMa")).isEmpty());
        QVERIFY(themeIcon(QStringLiteral("SBNieMa")).isNull());
        QCOMPARE(themeIconName(QStringLiteral("SBDodaj")), QStringLiteral("list-add"));
        QCOMPARE(themeIconName(QStringLiteral("Wyloguj się...")), QStringLiteral("system-log-out"));
    }

    void theVariantFollowsThePalette() {
        QCOMPARE(bundledThemeFor(QApplication::style()->standardPalette()),
                 QStringLiteral("breeze"));
        QCOMPARE(bundledThemeFor(darkPalette()), QStringLiteral("breeze-dark"));

        // A desktop without a theme: the bundle is found and used.
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName(QStringLiteral("hicolor"));
        useBundledIcons();
        QVERIFY(QIcon::themeSearchPaths().contains(bundledIcons()));
        QCOMPARE(QIcon::fallbackThemeName(), QStringLiteral("breeze"));
        QCOMPARE(QIcon::themeName(), QStringLiteral("breeze"));
        const double light = inkLightness(QIcon::fromTheme(QStringLiteral("edit-copy")));

        QApplication::setPalette(darkPalette());
        QIcon::setThemeName(QStringLiteral("hicolor"));
        useBundledIcons();
        QCOMPARE(QIcon::fallbackThemeName(), QStringLiteral("breeze-dark"));
        QCOMPARE(QIcon::themeName(), QStringLiteral("breeze-dark"));
        const double dark = inkLightness(QIcon::fromTheme(QStringLiteral("edit-copy")));
        // Dark strokes for a light window, light strokes for a dark one.
        QVERIFY2(light >= 0 && light < 100, qPrintable(QString::number(light)));
        QVERIFY2(dark > 180, qPrintable(QString::number(dark)));
        // Called twice, the bundle is listed once.
        QCOMPARE(QIcon::themeSearchPaths().count(bundledIcons()), 1);
    }

    void aDesktopThemeIsKept() {
        QIcon::setThemeSearchPaths({bundledIcons()});
        QIcon::setThemeName(QStringLiteral("breeze-dark"));
        useBundledIcons(); // light palette
        QCOMPARE(QIcon::themeName(), QStringLiteral("breeze-dark"));
        QCOMPARE(QIcon::fallbackThemeName(), QStringLiteral("breeze"));
    }

    void theProgramHasItsOwnIcon() {
        QIcon::setThemeName(QStringLiteral("hicolor"));
        useBundledIcons();
        QVERIFY(!QApplication::windowIcon().isNull());
        QVERIFY(QFileInfo::exists(
            QDir(bundledIcons()).filePath(QStringLiteral("hicolor/48x48/apps/karvento.png"))));
        QVERIFY(QFileInfo::exists(
            QDir(bundledIcons()).filePath(QStringLiteral("hicolor/scalable/apps/karvento.svg"))));
    }

    void everyButtonOfTheMainWindowHasAnIcon() {
        QIcon::setThemeName(QStringLiteral("hicolor"));
        useBundledIcons();
        SectionPages pages(sectionCommands());
        for (QToolButton* b : pages.sectionBar()->findChildren<QToolButton*>()) {
            QVERIFY2(!b->icon().isNull(), qPrintable(b->objectName()));
            QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
            QVERIFY(!b->text().isEmpty());
        }
        QVERIFY(pages.registerButtons().size() > 20);
        for (QToolButton* b : pages.registerButtons()) {
            QVERIFY2(!b->icon().isNull(), qPrintable(b->objectName()));
            QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        }
        CommandRow row;
        const QList<QPushButton*> buttons = row.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 10);
        for (QPushButton* b : buttons)
            QVERIFY2(!b->icon().isNull(), qPrintable(b->objectName()));
    }

    void everyMenuItemHasAnIconAndTheBarKeepsItsTexts() {
        QIcon::setThemeName(QStringLiteral("hicolor"));
        useBundledIcons();
        QMenuBar bar;
        CommandRow row;
        MainMenu menu(&bar, row, sectionCommands(), {});
        int items = 0;
        std::function<void(QMenu*)> walk = [&](QMenu* m) {
            for (QAction* a : m->actions()) {
                if (a->isSeparator())
                    continue;
                ++items;
                QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
                if (a->menu())
                    walk(a->menu());
            }
        };
        for (QAction* top : bar.actions()) {
            QVERIFY2(top->icon().isNull(), qPrintable(top->text()));
            if (top->menu())
                walk(top->menu());
        }
        QVERIFY(items > 50);
        // An item that follows a command shows its button's picture, and so do
        // the grids' pop-up items.
        QCOMPARE(menu.action(QStringLiteral("Dodaj"))->icon().cacheKey(),
                 row.button(QStringLiteral("SBDodaj"))->icon().cacheKey());
        QWidget grid;
        row.attachCommandMenu(&grid);
        for (QAction* a : grid.actions())
            QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
        // A register's item shows its register button's picture.
        QCOMPARE(themeIconName(QStringLiteral("RBIPrzejazdy")), QStringLiteral("routeplanning"));
        QCOMPARE(menu.registerAction(RegisterId::Trips)->icon().name(),
                 QStringLiteral("routeplanning"));
    }
};

QTEST_MAIN(TestThemeIcons)
#include "tst_themeicons.moc"
