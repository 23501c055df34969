#include "TestSupport.h"
#include "support/ModalWindows.h"

#include "subregisters/gui/CalendarDialog.h"
#include "subregisters/gui/DocumentDialog.h"
#include "subregisters/gui/EquipmentDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace kv;
using kv::test::whenShown;

namespace {

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no %s", name);
    return c;
}

QList<KeyedItem> vehicles() {
    return {{QStringLiteral("4"), QStringLiteral("EL 4")},
            {QStringLiteral("9"), QStringLiteral("EL 9")}};
}

} // namespace

// The document, equipment and calendar windows driven as a user would.
class TestDocumentGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }

    void documentWindowKeepsTypedKindAndRefusesImpossibleDays() {
        DocumentDialog w;
        QCOMPARE(w.objectName(), QStringLiteral("TfDokumenty"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Dokumenty"));
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"), vehicles());
        s.lists.insert(QStringLiteral("RODZAJ"),
                       {{QStringLiteral("Polisa OC"), QStringLiteral("Polisa OC")}});
        DocumentFormValues v = newDocumentDefaults();
        v.data = QStringLiteral("10.02.2024");
        v.termin = QStringLiteral("31.02.2025");
        v.vehicle = 9;
        v.rodzaj = QStringLiteral("Karta pojazdu"); // not in the dictionary
        v.liczterm = QStringLiteral("abc");
        w.load(v, s);
        QCOMPARE(w.values(), v);
        whenShown<DocumentDialog>([this](DocumentDialog* dialog) {
            child<QPushButton>(dialog, "bZapisz")->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
            QCOMPARE(env.ui().last().text,
                     QStringLiteral("Niepoprawny format terminu ważności dokumentu. Popraw pole."));
            QCOMPARE(child<QLineEdit>(dialog, "fLICZTERM")->text(), QStringLiteral("0,00"));
            child<QWidget>(dialog, "fTERMIN")
                ->findChild<QLineEdit*>()
                ->setText(QStringLiteral("28.02.2025"));
            child<QPushButton>(dialog, "bZapisz")->click();
        });
        QVERIFY(w.confirm());
        QCOMPARE(w.values().termin, QStringLiteral("28.02.2025"));
        QCOMPARE(w.values().rodzaj, QStringLiteral("Karta pojazdu"));
        QCOMPARE(w.values().vehicle, 9);
    }

    void dictionaryButtonReloadsAndKeepsWhatIsTyped() {
        EquipmentDialog w;
        QStringList opened;
        w.editDictionary = [&opened](const QString& code) {
            opened << code;
            QHash<QString, QList<KeyedItem>> lists;
            lists.insert(QStringLiteral("IDPOJAZD"), vehicles());
            lists.insert(QStringLiteral("RODZAJ"),
                         {{QStringLiteral("Apteczka"), QStringLiteral("Apteczka")},
                          {QStringLiteral("Gaśnica"), QStringLiteral("Gaśnica")}});
            return lists;
        };
        w.canEditDictionary = [] { return true; };
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"), vehicles());
        EquipmentFormValues v = newEquipmentDefaults();
        v.vehicle = 4;
        v.rodzaj = QStringLiteral("Hak");
        v.opis = QStringLiteral("Hak holowniczy");
        w.load(v, s);
        whenShown<EquipmentDialog>([](EquipmentDialog* dialog) {
            child<QToolButton>(dialog, "OpenSlowniki1")->click();
            child<QPushButton>(dialog, "bAnuluj")->click();
        });
        QVERIFY(!w.confirm());
        QCOMPARE(opened, QStringList{QStringLiteral("RDWYP")});
        QCOMPARE(child<QComboBox>(&w, "fRODZAJ")->count(), 2);
        EquipmentFormValues after = w.values();
        QCOMPARE(after.rodzaj, QStringLiteral("Hak"));
        QCOMPARE(after.opis, QStringLiteral("Hak holowniczy"));
        QCOMPARE(after.vehicle, 4);
    }

    void calendarClearButtonsChooseNothing() {
        CalendarDialog w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Edytuj termin"));
        QCOMPARE(w.heading(), QStringLiteral("Termin"));
        FormSetup s;
        s.lists.insert(QStringLiteral("SPRODDO"), calendarDateChoices());
        s.lists.insert(QStringLiteral("RODZAJTERMINU"),
                       {{QStringLiteral("12"), QStringLiteral("Przegląd")}});
        s.lists.insert(QStringLiteral("IDPOJAZDU"), vehicles());
        s.lists.insert(QStringLiteral("NREW"),
                       {{QStringLiteral("0"), QStringLiteral("Zero Jan (nr.ew. 0)")},
                        {QStringLiteral("7"), QStringLiteral("Nowak Anna (nr.ew. 7)")}});
        s.lists.insert(QStringLiteral("KONTRAHENT"), {});
        CalendarFormValues v = newCalendarDefaults();
        v.dataOd = v.dataDo = QStringLiteral("05.05.2024");
        v.sprodDo = kCheckDateFrom;
        v.rodzaj = 12;
        v.vehicle = 9;
        v.nrew = QStringLiteral("7");
        v.kontrahent = QStringLiteral("Serwis");
        w.load(v, s);
        QCOMPARE(child<QComboBox>(&w, "fSPRODDO")->currentText(), QStringLiteral("Datę od"));
        QCOMPARE(w.values(), v);
        for (const char* clear :
             {"SBBezRodzaju", "SBBezPojazdu", "SBBezPracownika", "SBBezKontrahenta"})
            child<QToolButton>(&w, clear)->click();
        const CalendarFormValues cleared = w.values();
        QCOMPARE(cleared.rodzaj, 0);
        QCOMPARE(cleared.vehicle, 0);
        QCOMPARE(cleared.nrew, QString()); // not "0", which is a person here
        QCOMPARE(cleared.kontrahent, QString());
        QCOMPARE(cleared.sprodDo, kCheckDateFrom);

        // A date to before the date from keeps the window open.
        child<QWidget>(&w, "fDATADO")
            ->findChild<QLineEdit*>()
            ->setText(QStringLiteral("04.05.2024"));
        whenShown<CalendarDialog>([this](CalendarDialog* dialog) {
            child<QPushButton>(dialog, "bZapisz")->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(env.ui().last().text,
                     QStringLiteral("Data od większa niż data do. Popraw pola."));
            child<QPushButton>(dialog, "bAnuluj")->click();
        });
        QVERIFY(!w.confirm());
    }
};

QTEST_MAIN(TestDocumentGui)
#include "tst_documentgui.moc"
