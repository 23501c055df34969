#pragma once

#include <QSize>
#include <QString>

namespace kv {

// How the information, question and prompt windows are laid out for a given
// caption and message. Kept apart from the windows so it is tested without
// showing one.

enum class MessageWindowKind { Information, Question, Prompt };

// The window size for a message of the given length: the longer the message,
// the larger the window, in three steps (up to 80 characters, up to 240, more).
QSize messageWindowSize(MessageWindowKind kind, qsizetype messageLength);

enum class MessageIcon { Information, Warning, Question, Error };

// The icon the title band shows for a caption: "Uwaga" warns, "Pytanie" asks,
// every caption starting with "Błąd" reports an error, "Informacja" and
// "Informacje" inform. Other captions take the window's own icon.
MessageIcon messageIconFor(const QString& caption, MessageWindowKind kind);

} // namespace kv
