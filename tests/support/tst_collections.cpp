#include "support/TVxCollections.h"

#include <QTest>

using namespace kv;

namespace {

// Counts the live instances, so the tests see who destroys what.
struct Item {
    static inline int alive = 0;
    int value;
    explicit Item(int v) : value(v) { ++alive; }
    ~Item() { --alive; }
};

std::unique_ptr<TVxObjectVector<Item>> vectorOf(std::initializer_list<int> values) {
    auto vector = std::make_unique<TVxObjectVector<Item>>();
    for (int v : values)
        vector->add(std::make_unique<Item>(v));
    return vector;
}

// The message of the exception the call raises, or "" when it raises none.
template <typename Exception, typename Call> QByteArray messageOf(Call call) {
    try {
        call();
    } catch (const Exception& e) {
        return e.what();
    }
    return {};
}

} // namespace

class TestCollections : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(Item::alive, 0); }

    void vectorKeepsOrderAndHandsItemsOver() {
        auto vector = vectorOf({10, 20, 30, 40});
        QCOMPARE(vector->add(std::make_unique<Item>(50)), 4);
        QCOMPARE(vector->getAt(1)->value, 20);
        std::unique_ptr<Item> removed = vector->removeAt(1);
        QCOMPARE(removed->value, 20);
        QCOMPARE(vector->getAt(1)->value, 30);
        QCOMPARE(vector->removeLast()->value, 50);
        QCOMPARE(vector->count(), 3);
        QCOMPARE(Item::alive, 4); // the three held and the one removed into `removed`
    }

    void clearAndDestructionFreeTheItems() {
        auto vector = vectorOf({1, 2, 3});
        vector->clear();
        QCOMPARE(Item::alive, 0);
        QVERIFY(vector->isEmpty());
        vector->add(std::make_unique<Item>(4));
        vector->newIterator();
        vector.reset();
        QCOMPARE(Item::alive, 0);
    }

    void exceptionsCarryTheirMessages() {
        auto vector = vectorOf({});
        QCOMPARE(messageOf<EEmptyVectorException>([&] { vector->removeLast(); }),
                 "TVxObjectVector: Vector is empty.");
        vector->add(std::make_unique<Item>(1));
        for (qsizetype index : {qsizetype(-1), qsizetype(1)}) {
            QCOMPARE(messageOf<EIndexOutOfRangeException>([&] { vector->getAt(index); }),
                     "TVxObjectVector: Index out of range.");
            QCOMPARE(messageOf<EIndexOutOfRangeException>([&] { vector->removeAt(index); }),
                     "TVxObjectVector: Index out of range.");
        }
        TVxObjectListIterator<Item>* iterator = vector->newIterator();
        iterator->next();
        QCOMPARE(messageOf<EInvalidIteratorException>([&] { iterator->next(); }),
                 "TVxObjectListIterator: Invalid Iterator.");
        QCOMPARE(messageOf<std::exception>([&] { vector->removeAt(5); }),
                 "TVxObjectVector: Index out of range.");
    }

    void iteratorsWalkTheLiveList() {
        auto vector = vectorOf({1, 2, 3});
        TVxObjectListIterator<Item>* iterator = vector->newIterator();
        QList<int> seen;
        while (iterator->hasNext())
            seen.append(iterator->next()->value);
        QCOMPARE(seen, QList<int>({1, 2, 3}));

        // Items removed under a fresh iterator shorten its walk instead of
        // letting it read past the end.
        TVxObjectListIterator<Item>* second = vector->newIterator();
        second->next();
        second->next();
        vector->removeLast();
        vector->removeLast();
        QVERIFY(!second->hasNext());
        QVERIFY_THROWS_EXCEPTION(EInvalidIteratorException, second->next());

        QCOMPARE(vector->iteratorCount(), 2);
        vector->releaseIterator(iterator);
        vector->releaseIterator(iterator); // unknown by now: nothing happens
        QCOMPARE(vector->iteratorCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCollections)
#include "tst_collections.moc"
