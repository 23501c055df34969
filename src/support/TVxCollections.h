#pragma once

#include "support/TVxCollectionExceptions.h"

#include <QtGlobal>
#include <algorithm>
#include <memory>
#include <vector>

namespace kv {

// A small family of collections that own their items. Removing an item hands
// its ownership back to the caller; clearing or destroying a collection
// destroys the items it still holds and every iterator it has handed out.

template <typename T> class TVxObjectListIterator;

template <typename T> class TVxObject {
public:
    TVxObject() = default;
    TVxObject(const TVxObject&) = delete;
    TVxObject& operator=(const TVxObject&) = delete;
    // The iterators go first (declared last), then the items.
    virtual ~TVxObject() = default;

    // Destroys all items.
    void clear() { m_items.clear(); }
    qsizetype count() const { return static_cast<qsizetype>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }

protected:
    friend class TVxObjectListIterator<T>;

    std::vector<std::unique_ptr<T>> m_items;
    std::vector<std::unique_ptr<TVxObjectListIterator<T>>> m_iterators;
};

// A forward position over one list, starting at 0. It sees the list as it is
// when asked, so items removed meanwhile make next() fail instead of reading
// past the end.
template <typename T> class TVxObjectListIterator {
public:
    explicit TVxObjectListIterator(const TVxObject<T>& list) : m_list(&list) {}

    bool hasNext() const { return m_position < m_list->count(); }
    // The item at the position (still owned by the list); then advances.
    T* next() {
        if (m_position < 0 || m_position >= m_list->count())
            throw EInvalidIteratorException();
        return m_list->m_items[static_cast<size_t>(m_position++)].get();
    }
    qsizetype position() const { return m_position; }

private:
    const TVxObject<T>* m_list;
    qsizetype m_position = 0;
};

template <typename T> class TVxObjectList : public TVxObject<T> {
public:
    // A new iterator at position 0, owned by the list until released.
    TVxObjectListIterator<T>* newIterator() {
        this->m_iterators.push_back(std::make_unique<TVxObjectListIterator<T>>(*this));
        return this->m_iterators.back().get();
    }
    // Forgets and destroys an iterator of this list; others are left alone.
    void releaseIterator(TVxObjectListIterator<T>* iterator) {
        auto& iterators = this->m_iterators;
        iterators.erase(
            std::remove_if(iterators.begin(), iterators.end(),
                           [iterator](const auto& owned) { return owned.get() == iterator; }),
            iterators.end());
    }
    qsizetype iteratorCount() const { return static_cast<qsizetype>(this->m_iterators.size()); }
};

// An ordered, growable list of owned objects.
template <typename T> class TVxObjectVector : public TVxObjectList<T> {
public:
    // Appends and returns the item's index.
    qsizetype add(std::unique_ptr<T> item) {
        this->m_items.push_back(std::move(item));
        return this->count() - 1;
    }
    // Removes the last item and hands it over.
    std::unique_ptr<T> removeLast() {
        if (this->m_items.empty())
            throw EEmptyVectorException();
        std::unique_ptr<T> item = std::move(this->m_items.back());
        this->m_items.pop_back();
        return item;
    }
    // Removes the item at the index and hands it over.
    std::unique_ptr<T> removeAt(qsizetype index) {
        checkIndex(index);
        const auto at = this->m_items.begin() + index;
        std::unique_ptr<T> item = std::move(*at);
        this->m_items.erase(at);
        return item;
    }
    // The item at the index, still owned by the vector.
    T* getAt(qsizetype index) const {
        checkIndex(index);
        return this->m_items[static_cast<size_t>(index)].get();
    }

private:
    void checkIndex(qsizetype index) const {
        if (index < 0 || index >= this->count())
            throw EIndexOutOfRangeException();
    }
};

} // namespace kv
