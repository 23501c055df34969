#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The document window's content ("Dokumenty"), independent of the window.
struct DocumentFormValues {
    QString data;    // document date text
    QString termin;  // valid until, blank for none
    int vehicle = 0; // IDPOJAZD, 0 for none
    QString rodzaj;  // kind: a dictionary text or anything typed
    QString nazwa;
    QString opis;
    QString uwagi;
    QString numer;
    QString liczterm; // reminder reading, 0 for none

    bool operator==(const DocumentFormValues&) const = default;
};

// A new document: blank dates, no vehicle, empty texts, reminder "0,00".
DocumentFormValues newDocumentDefaults();
// The columns of dokumenty.DB as the window holds them; the vehicle list is
// fNRREJ. The five texts are bound as :PARAM0..:PARAM4 in column order.
const FieldTable<DocumentFormValues>& documentFields();

// The checks of "&Zapisz" in their order, after the reminder reading is
// rewritten with two decimals: a document date the calendar has, an expiry
// date that is blank or such a day, a vehicle.
FormCheck checkDocumentForm(DocumentFormValues& values);

} // namespace kv
