#pragma once

#include <QString>

namespace kv::report {

// What the layout walks: the rows of a report, moved by the engine only.
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool atEnd() const = 0;
};

// What the layout asks for every [NAME] slot of a band it lays out, once per
// band, in the order the slots stand in the template. The answer may depend
// on the row the source is on and on what was asked before (running sums).
class VariableSource {
public:
    virtual ~VariableSource() = default;
    virtual QString value(const QString& name) = 0;
    // Told at the beginning of every page, before anything on it is asked.
    virtual void pageStarted(int /*pageNumber*/) {}
};

// A row source of a fixed number of rows (a card, a single record).
class CountedRows : public RowSource {
public:
    explicit CountedRows(int count) : m_count(count) {}
    void first() override { m_row = 0; }
    void next() override { ++m_row; }
    bool atEnd() const override { return m_row >= m_count; }
    int row() const { return m_row; }

private:
    int m_count;
    int m_row = 0;
};

} // namespace kv::report
