#include "support/MessageWindowLook.h"

namespace kv {

namespace {

constexpr qsizetype kShortMessage = 80;
constexpr qsizetype kMiddleMessage = 240;

} // namespace

QSize messageWindowSize(MessageWindowKind kind, qsizetype messageLength) {
    if (kind == MessageWindowKind::Prompt)
        return messageLength <= kShortMessage ? QSize(400, 280) : QSize(500, 320);
    if (messageLength <= kShortMessage)
        return {450, 250};
    if (messageLength <= kMiddleMessage)
        return {500, 300};
    return {550, 350};
}

MessageIcon messageIconFor(const QString& caption, MessageWindowKind kind) {
    const QString name = caption.trimmed();
    if (name.startsWith(QStringLiteral("Błąd"), Qt::CaseInsensitive))
        return MessageIcon::Error;
    if (name.compare(QStringLiteral("Uwaga"), Qt::CaseInsensitive) == 0)
        return MessageIcon::Warning;
    if (name.compare(QStringLiteral("Pytanie"), Qt::CaseInsensitive) == 0)
        return MessageIcon::Question;
    if (name.compare(QStringLiteral("Informacja"), Qt::CaseInsensitive) == 0 ||
        name.compare(QStringLiteral("Informacje"), Qt::CaseInsensitive) == 0)
        return MessageIcon::Information;
    return kind == MessageWindowKind::Information ? MessageIcon::Information
                                                  : MessageIcon::Question;
}

} // namespace kv
