#pragma once

#include <QString>
#include <QUrl>

namespace kv {

// Hands a file or an address (a mail link, a web page) to the desktop's
// program for it. When there is nothing to open (a missing file) or the
// desktop has no program for it, the information window says so and names
// the file's path or the address, so the user can open it another way;
// clicking a help item never does nothing. True when it was handed over.
bool openExternally(const QUrl& url);
// The same for a local file.
bool openFileExternally(const QString& path);

} // namespace kv
