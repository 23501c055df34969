#pragma once

#include "framework/RegisterEditing.h"
#include "subregisters/DocumentForm.h"

namespace kv {

class DataModule;

// The documents register's statements: the grid query DBFDokumenty (the
// documents with their vehicle) and the insert and update.
void registerDocumentQueries(DataModule& db);

// The documents register's part of the add and edit cycle: the vehicle list
// and the document kinds (RDDOK, typed text kept), a new document's vehicle
// from the vehicle selector when the option cbSetNrRej is on, the cursor on
// the saved document.
RegisterEditing<DocumentFormValues> documentEditing(DataModule& db);

} // namespace kv
