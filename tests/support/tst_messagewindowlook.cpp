#include "support/MessageWindowLook.h"

#include <QTest>

using namespace kv;

Q_DECLARE_METATYPE(kv::MessageWindowKind)
Q_DECLARE_METATYPE(kv::MessageIcon)

class TestMessageWindowLook : public QObject {
    Q_OBJECT

private slots:
    void sizeFollowsTheMessageLength_data() {
        QTest::addColumn<MessageWindowKind>("kind");
        QTest::addColumn<int>("length");
        QTest::addColumn<QSize>("size");
        const auto info = MessageWindowKind::Information;
        const auto question = MessageWindowKind::Question;
        const auto prompt = MessageWindowKind::Prompt;
        QTest::newRow("information, empty") << info << 0 << QSize(450, 250);
        QTest::newRow("information, 80") << info << 80 << QSize(450, 250);
        QTest::newRow("information, 81") << info << 81 << QSize(500, 300);
        QTest::newRow("information, 240") << info << 240 << QSize(500, 300);
        QTest::newRow("information, 241") << info << 241 << QSize(550, 350);
        QTest::newRow("information, 5000") << info << 5000 << QSize(550, 350);
        QTest::newRow("question, 80") << question << 80 << QSize(450, 250);
        QTest::newRow("question, 81") << question << 81 << QSize(500, 300);
        QTest::newRow("question, 241") << question << 241 << QSize(550, 350);
        QTest::newRow("prompt, 80") << prompt << 80 << QSize(400, 280);
        QTest::newRow("prompt, 81") << prompt << 81 << QSize(500, 320);
        QTest::newRow("prompt, 241") << prompt << 241 << QSize(500, 320);
    }
    void sizeFollowsTheMessageLength() {
        QFETCH(MessageWindowKind, kind);
        QFETCH(int, length);
        QFETCH(QSize, size);
        QCOMPARE(messageWindowSize(kind, length), size);
    }

    void iconFollowsTheCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<MessageWindowKind>("kind");
        QTest::addColumn<MessageIcon>("icon");
        const auto info = MessageWindowKind::Information;
        const auto question = MessageWindowKind::Question;
        QTest::newRow("Informacja") << "Informacja" << info << MessageIcon::Information;
        QTest::newRow("Informacje in a question")
            << "Informacje" << question << MessageIcon::Information;
        QTest::newRow("Uwaga") << "Uwaga" << info << MessageIcon::Warning;
        QTest::newRow("Pytanie") << "Pytanie" << question << MessageIcon::Question;
        QTest::newRow("Błąd") << "Błąd" << info << MessageIcon::Error;
        QTest::newRow("Błąd bazy danych") << "Błąd bazy danych" << info << MessageIcon::Error;
        QTest::newRow("question asked under Uwaga") << "Uwaga" << question << MessageIcon::Warning;
        QTest::newRow("other caption, information")
            << "Karvento" << info << MessageIcon::Information;
        QTest::newRow("other caption, prompt")
            << "Hasło" << MessageWindowKind::Prompt << MessageIcon::Question;
    }
    void iconFollowsTheCaption() {
        QFETCH(QString, caption);
        QFETCH(MessageWindowKind, kind);
        QFETCH(MessageIcon, icon);
        QCOMPARE(messageIconFor(caption, kind), icon);
    }
};

QTEST_GUILESS_MAIN(TestMessageWindowLook)
#include "tst_messagewindowlook.moc"
