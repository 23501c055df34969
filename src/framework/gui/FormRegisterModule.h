#pragma once

#include "framework/CurrentRecord.h"
#include "framework/HandOver.h"
#include "framework/RegisterEditing.h"
#include "framework/gui/RegisterGrid.h"
#include "framework/gui/RegisterModule.h"
#include "support/gui/WindowEditable.h"

#include <memory>

namespace kv {

// The register module of every register whose window edits one record through
// the common edit cycle: Add, Copy and Edit run the register's edit steps with
// its window, the preview shows the current record read-only.
template <class V, class Dialog> class FormRegisterModule : public RegisterModule {
public:
    // editing(adding): the register's part of the cycle, asked afresh for
    // every command (options may have changed in between).
    using Editing = std::function<RegisterEditing<V>()>;

    FormRegisterModule(RegisterController& controller, RegisterGrid& grid, Editing editing,
                       QWidget* windowParent)
        : RegisterModule(controller, grid), m_editing(std::move(editing)),
          m_window(std::make_unique<Dialog>(windowParent)) {
        // The window also takes the records other registers hand over.
        setHandOverWindow<V>(controller.descriptor().id, m_window.get());
    }
    ~FormRegisterModule() override {
        setHandOverWindow<V>(controller().descriptor().id, static_cast<FormView<V>*>(nullptr));
    }

    void add(bool copyMode) override {
        const RegisterEditing<V> e = m_editing();
        runAdd(controller(), registerEditSteps(controller(), *m_window, e, true), copyMode);
        grid().showRows();
    }
    void edit() override {
        const RegisterEditing<V> e = m_editing();
        runEdit(controller(), registerEditSteps(controller(), *m_window, e, false));
        grid().showRows();
    }
    void preview() override {
        const RegisterEditing<V> e = m_editing();
        const auto form = currentRecordForm(controller(), e);
        if (!form)
            return; // an empty register: nothing is shown
        m_window->load(form->values, form->setup);
        setWindowEditable(m_window.get(), false);
        m_window->confirm(); // whatever the user does, nothing is saved
        setWindowEditable(m_window.get(), true);
    }
    std::optional<RecordCardText> recordCard() override {
        return currentRecordCard(controller(), m_editing());
    }

    Dialog& window() const { return *m_window; }

private:
    Editing m_editing;
    std::unique_ptr<Dialog> m_window;
};

} // namespace kv
