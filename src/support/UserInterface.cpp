#include "support/UserInterface.h"

#include <cstdio>

namespace kv {

namespace {

class StderrInterface : public UserInterface {
public:
    void information(const QString& caption, const QString& text) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    }
    bool question(const QString& caption, const QString& text) override {
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

UserInterface& ui() {
    static StderrInterface fallback;
    return current() ? *current() : fallback;
}

void setUserInterface(UserInterface* ui) {
    current() = ui;
}

} // namespace kv
