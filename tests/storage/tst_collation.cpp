#include "storage/engine/PolishCollation.h"

#include <QStringList>
#include <QTest>

#include <algorithm>

using namespace kv::engine;

// The "PL" collation on its own: the order of a Polish dictionary, the case
// rules the registers show, and a total order for texts ICU calls equal.
class TestCollation : public QObject {
    Q_OBJECT

    static int compare(PolishCollator& c, const QString& a, const QString& b) {
        const QByteArray x = a.toUtf8();
        const QByteArray y = b.toUtf8();
        return c.compare({x.constData(), std::size_t(x.size())},
                         {y.constData(), std::size_t(y.size())});
    }
    static QStringList sorted(QStringList texts) {
        PolishCollator c;
        std::stable_sort(texts.begin(), texts.end(),
                         [&c](const QString& a, const QString& b) { return compare(c, a, b) < 0; });
        return texts;
    }

private slots:
    void surnamesInDictionaryOrder() {
        const QStringList expected{"Ab",     "ąb",      "Czarnecki", "Ćwik",   "Lis", "Łukasz",
                                   "Müller", "Sobczak", "Ślusarz",   "Zawada", "Żak"};
        QStringList shuffled = expected;
        std::reverse(shuffled.begin(), shuffled.end());
        QCOMPARE(sorted(shuffled), expected);
        std::rotate(shuffled.begin(), shuffled.begin() + 4, shuffled.end());
        QCOMPARE(sorted(shuffled), expected);
    }

    void everyPolishLetterAfterItsBase() {
        // The whole alphabet, each diacritic letter in its own place rather
        // than after "z"; "ź" before "ż".
        const QStringList alphabet{"a", "ą", "b", "c", "ć", "d", "e", "ę", "f", "g", "h",
                                   "i", "j", "k", "l", "ł", "m", "n", "ń", "o", "ó", "p",
                                   "r", "s", "ś", "t", "u", "w", "y", "z", "ź", "ż"};
        QStringList reversed = alphabet;
        std::reverse(reversed.begin(), reversed.end());
        QCOMPARE(sorted(reversed), alphabet);
        // A letter outweighs everything after it and case: "ą" after "aż",
        // "aż" after "azz".
        QCOMPARE(sorted({"ąa", "Aż", "azz"}), (QStringList{"azz", "Aż", "ąa"}));
    }

    void caseOnlyBreaksTies() {
        // Letters first without regard to case; between texts that differ in
        // case only, lower case first.
        QCOMPARE(sorted({"Lis", "lis", "LIS", "Lisek", "las"}),
                 (QStringList{"las", "lis", "Lis", "LIS", "Lisek"}));
        QCOMPARE(sorted({"ŁUK", "łuk", "Łuk", "lutek"}),
                 (QStringList{"lutek", "łuk", "Łuk", "ŁUK"}));
        // Blanks and punctuation before digits, digits before letters.
        QCOMPARE(sorted({"Kowal", "2 Kowal", "-Kowal", " Kowal", "10"}),
                 (QStringList{" Kowal", "-Kowal", "10", "2 Kowal", "Kowal"}));
    }

    void theOrderIsTotal() {
        PolishCollator c;
        // The same letter composed and decomposed: ICU calls them equal, the
        // code points do not.
        const QString composed = QStringLiteral("Ósmy");
        const QString decomposed = QStringLiteral("O\u0301smy");
        const int forward = compare(c, composed, decomposed);
        QVERIFY(forward != 0);
        QCOMPARE(compare(c, decomposed, composed), -forward);
        QCOMPARE(compare(c, composed, composed), 0);
        QCOMPARE(compare(c, QString(), QString()), 0);
        QVERIFY(compare(c, QString(), QStringLiteral("a")) < 0);
        // Broken UTF-8 is compared too, the same way each time.
        const QByteArray broken("Kowal\xC5", 6);
        const QByteArray whole = QStringLiteral("Kowalś").toUtf8();
        const int b =
            c.compare({broken.constData(), 6}, {whole.constData(), std::size_t(whole.size())});
        QVERIFY(b != 0);
        QCOMPARE(c.compare({whole.constData(), std::size_t(whole.size())}, {broken.constData(), 6}),
                 -b);
    }
};

QTEST_GUILESS_MAIN(TestCollation)
#include "tst_collation.moc"
