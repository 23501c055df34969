#include "support/UserInterface.h"

#include <cstdio>

namespace kv {

namespace {

class StderrInterface : public UserInterface {
public:
    void information(const QString& caption, const QString& text) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    }
    bool question(const QString& caption, const QString& text, DefaultAnswer) override {
        std::fprintf(stderr, "%s: %s [Nie]\n", qPrintable(caption), qPrintable(text));
        return false;
    }
    std::optional<QString> prompt(const QString&, const QString&, const QString&, bool) override {
        return std::nullopt;
    }
    void systemMessage(const QString& caption, const QString& text) override {
        information(caption, text);
    }
    void progressShow(int) override {}
    void progressJob(const QString&) override {}
    void progressHide() override {}
};

UserInterface*& current() {
    static UserInterface* installed = nullptr;
    return installed;
}

} // namespace

std::optional<QString> UserInterface::newPassword(const QString& caption, const QString& message) {
    for (;;) {
        const std::optional<QString> first = prompt(caption, message, QString(), true);
        if (!first)
            return std::nullopt;
        const std::optional<QString> second =
            prompt(caption, QStringLiteral("Powtórz hasło"), QString(), true);
        if (!second)
            return std::nullopt;
        if (*first == *second)
            return first;
        information(QStringLiteral("Informacja"), kPasswordsDifferText);
    }
}

UserInterface& ui() {
    static StderrInterface fallback;
    return current() ? *current() : fallback;
}

void setUserInterface(UserInterface* ui) {
    current() = ui;
}

} // namespace kv
