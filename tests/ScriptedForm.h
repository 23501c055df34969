#pragma once

#include "framework/FormView.h"
#include "support/FormCheck.h"

#include <QList>
#include <functional>
#include <optional>

namespace kv::test {

// An edit window that answers from a script: each confirm() takes the next
// values, or cancels when none is left (or the next is empty). Like a real
// window it confirms only values that pass the register's checks. By default
// it keeps the values as the checks rewrote them; asTyped keeps them as typed,
// so whatever the register does with them is its own doing.
template <class V> class ScriptedForm : public FormView<V> {
public:
    using Check = std::function<FormCheck(V&, const FormSetup&)>;
    explicit ScriptedForm(Check check, bool asTyped = false)
        : m_check(std::move(check)), m_asTyped(asTyped) {}

    QList<std::optional<V>> script;
    V shown;
    FormSetup setup;
    int shows = 0;

    bool editable(const QString& column) const { return setup.editable(column); }

    void load(const V& v, const FormSetup& s) override {
        shown = v;
        setup = s;
    }
    V values() const override { return shown; }
    bool confirm() override {
        ++shows;
        if (script.isEmpty())
            return false;
        const std::optional<V> next = script.takeFirst();
        if (!next)
            return false;
        shown = *next;
        if (!m_asTyped)
            return m_check(shown, setup).ok;
        V checked = shown;
        return m_check(checked, setup).ok;
    }

private:
    Check m_check;
    bool m_asTyped;
};

} // namespace kv::test
