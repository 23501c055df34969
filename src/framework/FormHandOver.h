#pragma once

#include "framework/HandOver.h"
#include "framework/RegisterEditing.h"
#include "storage/DataModule.h"
#include "support/FormCheck.h"
#include "support/UserInterface.h"

namespace kv {

// A hand-over target whose register edits one record through the common edit
// cycle: its window is prefilled from the origin's record and the record is
// written by the register's own insert, inside the origin's transaction.
template <class V> struct FormHandOverTarget {
    RegisterId registerId;
    // The register's part of the cycle (its defaults, lists, checks before
    // saving), from which its steps are built ...
    std::function<RegisterEditing<V>(DataModule&)> editing;
    // ... unless the register builds its own steps over a window (a register
    // that writes its record its own way). The steps' tables must then name
    // what their write changes.
    std::function<EditSteps(RegisterController&, FormView<V>&)> steps;
    // Before the window: what the target needs switched (the fuel kind, the
    // vehicle filter).
    std::function<void(DataModule&, const HandOverRecord&)> prepare;
    // The window's values: the register's defaults, then the record's.
    std::function<V(DataModule&, const HandOverRecord&, V defaults)> prefill;
    // The window's checks, run instead of the window where there is none.
    std::function<FormCheck(V&)> check;
};

namespace detail {

// The values of a record that no window shows.
template <class V> class HeldForm : public FormView<V> {
public:
    void load(const V& v, const FormSetup&) override { m_values = v; }
    V values() const override { return m_values; }
    bool confirm() override { return true; }
    void set(const V& v) { m_values = v; }

private:
    V m_values;
};

template <class V> class FormHandOverSide : public HandOverSide {
public:
    FormHandOverSide(DataModule& db, const FormHandOverTarget<V>& target,
                     const HandOverRecord& record)
        : m_reg(db, target.registerId), m_check(target.check) {
        if (target.prepare)
            target.prepare(db, record);
        m_window = handOverWindow<V>(target.registerId);
        FormView<V>& form = m_window ? *m_window : static_cast<FormView<V>&>(m_held);
        // The register's own steps, with its window, but never its own hand-over.
        RegisterEditing<V> editing = target.editing ? target.editing(db) : RegisterEditing<V>{};
        editing.handOver = {};
        m_steps = target.steps ? target.steps(m_reg, form)
                               : registerEditSteps(m_reg, form, editing, true);
        m_steps.handOver = {};
        V v = editing.defaults ? editing.defaults() : V{};
        if (target.prefill)
            v = target.prefill(db, record, v);
        FormSetup setup = editing.setup ? editing.setup(true) : FormSetup{};
        setup.adding = true;
        setup.secondWindow = true;
        form.load(v, setup);
        m_prefilled = v;
    }

    RegisterId registerId() const override { return m_reg.descriptor().id; }

    SecondOutcome show() override {
        if (!m_window) {
            // Checked before anything is written; a refusal is told and
            // nothing is saved.
            V v = m_prefilled;
            if (m_check) {
                const FormCheck c = m_check(v);
                if (!c.ok) {
                    ui().information(QStringLiteral("Uwaga"), c.message);
                    return SecondOutcome::Refused;
                }
            }
            m_held.set(v);
            return acceptTyped(m_steps, true) ? SecondOutcome::Confirmed : SecondOutcome::Refused;
        }
        for (;;) {
            if (!m_steps.show())
                return SecondOutcome::Cancelled;
            if (acceptTyped(m_steps, true))
                return SecondOutcome::Confirmed;
        }
    }

    QStringList tables() const override {
        if (m_steps.tables)
            return m_steps.tables();
        const RegisterDescriptor& d = m_reg.descriptor();
        return {d.currentTable(m_reg.database().alternateTablesActive()).chopped(3)};
    }

    void write() override { m_steps.write(true); }

    void finish() override {
        const QVariantList key = m_steps.savedKey ? m_steps.savedKey(true) : QVariantList();
        if (m_steps.afterWrite)
            m_steps.afterWrite(true);
        m_reg.refresh();
        if (m_steps.afterSave)
            m_steps.afterSave(true);
        if (!key.isEmpty())
            m_reg.locate(key);
    }

private:
    RegisterController m_reg;
    std::function<FormCheck(V&)> m_check;
    FormView<V>* m_window = nullptr;
    HeldForm<V> m_held;
    EditSteps m_steps;
    V m_prefilled;
};

} // namespace detail

template <class V> void installFormHandOverTarget(const QString& name, FormHandOverTarget<V> t) {
    HandOverTarget target;
    target.registerId = t.registerId;
    target.open = [t](DataModule& db, const HandOverRecord& record) {
        return std::unique_ptr<HandOverSide>(
            std::make_unique<detail::FormHandOverSide<V>>(db, t, record));
    };
    installHandOverTarget(name, std::move(target));
}

} // namespace kv
