#include "dictionaries/gui/DictionaryModule.h"

#include "dictionaries/DictionaryLists.h"
#include "dictionaries/VehicleKindNames.h"
#include "dictionaries/gui/DictionaryWindow.h"
#include "framework/RegisterTableModel.h"
#include "framework/gui/MainWindowServices.h"
#include "framework/gui/RegisterGrid.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/gui/ColumnWidths.h"

namespace kv {

namespace {
constexpr int kColumnTitlesCode = 3102;
} // namespace

DictionaryModule::DictionaryModule(RegisterController& controller, RegisterGrid& grid,
                                   MainWindowServices& services, QWidget* windowParent)
    : FormRegisterModule(
          controller, grid, [this] { return rateEditing([this] { return m_labels; }); },
          windowParent),
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

void DictionaryModule::refreshLookups() {
    VehicleKindNames names;
    try {
        names = readVehicleKindNames(controller().database());
    } catch (const DatabaseError& e) {
        // The columns keep their own titles.
        reportDatabaseError(e.message(), true, kColumnTitlesCode);
    }
    const QStringList titles = rateGridTitles(names);
    for (int column = 0; column < titles.size(); ++column) {
        const bool renamed = grid().model()->column(column).title != titles.at(column);
        grid().model()->setColumnTitle(column, titles.at(column));
        if (renamed) // a kind's name is often longer than the column's own title
            widenColumnToTitle(grid().view(), column);
    }
    m_labels = rateFieldLabels(names);
    window().setLabels(m_labels);
}

} // namespace kv
