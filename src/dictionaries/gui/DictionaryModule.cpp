#include "dictionaries/gui/DictionaryModule.h"

#include "dictionaries/DictionaryLists.h"
#include "dictionaries/VehicleKindNames.h"
#include "dictionaries/gui/DictionaryWindow.h"
#include "dictionaries/gui/RateDialog.h"
#include "framework/RegisterController.h"
#include "framework/RegisterTableModel.h"
#include "framework/gui/MainWindowServices.h"
#include "framework/gui/RegisterGrid.h"
#include "storage/ErrorReport.h"
#include "storage/Query.h"
#include "storage/engine/DatabaseError.h"
#include "support/gui/ColumnWidths.h"
#include "support/gui/WindowEditable.h"

namespace kv {

namespace {
constexpr int kColumnTitlesCode = 3102;
} // namespace

DictionaryModule::DictionaryModule(RegisterController& controller, RegisterGrid& grid,
                                   MainWindowServices& services, QWidget* windowParent)
    : m_controller(controller), m_grid(grid), m_rates(std::make_unique<RateDialog>(windowParent)),
      m_dictionary(std::make_unique<DictionaryWindow>(controller.database(), windowParent)),
      m_labels(rateFieldLabels(VehicleKindNames{})) {
    MainWindowServices* host = &services;
    services.addSectionCommand(QStringLiteral("RBSlBiblioteka"), QStringLiteral("Biblioteka"),
                               [this, host] {
                                   host->showSectionStart(Section::Dictionaries);
                                   host->highlightButton(QStringLiteral("RBSlBiblioteka"));
                                   openDictionary(dictionaryLists().first().code);
                               });
    services.openDictionary = [this](const QString& code) { openDictionary(code); };
}

DictionaryModule::~DictionaryModule() = default;

void DictionaryModule::openDictionary(const QString& code) {
    m_dictionary->showOn(dictionaryPosition(code));
}

void DictionaryModule::add(bool copyMode) {
    runAdd(m_controller, rateEditSteps(m_controller, *m_rates, [this] { return m_labels; }),
           copyMode);
    m_grid.showRows();
}

void DictionaryModule::edit() {
    runEdit(m_controller, rateEditSteps(m_controller, *m_rates, [this] { return m_labels; }));
    m_grid.showRows();
}

void DictionaryModule::preview() {
    if (m_controller.isEmpty() || m_controller.currentRow() < 0)
        return;
    m_rates->load(rateFormFromRecord(*m_controller.query().result(), m_controller.currentRow()),
                  m_labels);
    setWindowEditable(m_rates.get(), false);
    m_rates->confirm();
    setWindowEditable(m_rates.get(), true);
}

void DictionaryModule::refreshLookups() {
    VehicleKindNames names;
    try {
        names = readVehicleKindNames(m_controller.database());
    } catch (const DatabaseError& e) {
        // The columns keep their own titles.
        reportDatabaseError(e.message(), true, kColumnTitlesCode);
    }
    const QStringList titles = rateGridTitles(names);
    for (int column = 0; column < titles.size(); ++column) {
        const bool renamed = m_grid.model()->column(column).title != titles.at(column);
        m_grid.model()->setColumnTitle(column, titles.at(column));
        if (renamed) // a kind's name is often longer than the column's own title
            widenColumnToTitle(m_grid.view(), column);
    }
    m_labels = rateFieldLabels(names);
    m_rates->setLabels(m_labels);
}

} // namespace kv
