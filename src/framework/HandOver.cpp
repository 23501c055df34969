#include "framework/HandOver.h"

#include "support/UserInterface.h"

#include <map>

namespace kv {

namespace {

QHash<QString, HandOverTarget>& targets() {
    static QHash<QString, HandOverTarget> all;
    return all;
}

struct WindowEntry {
    std::type_index type;
    void* window;
};

std::map<int, WindowEntry>& windows() {
    static std::map<int, WindowEntry> all;
    return all;
}

} // namespace

void installHandOverTarget(const QString& name, HandOverTarget target) {
    targets().insert(name, std::move(target));
}

void removeHandOverTarget(const QString& name) {
    targets().remove(name);
}

const HandOverTarget* handOverTarget(const QString& name) {
    const auto it = targets().constFind(name);
    return it == targets().cend() ? nullptr : &it.value();
}

std::function<void(RegisterId)>& handOverShowRegister() {
    static std::function<void(RegisterId)> show;
    return show;
}

namespace detail {

void setHandOverWindow(RegisterId id, std::type_index type, void* window) {
    if (window)
        windows().insert_or_assign(static_cast<int>(id), WindowEntry{type, window});
    else
        windows().erase(static_cast<int>(id));
}

void* handOverWindow(RegisterId id, std::type_index type) {
    const auto it = windows().find(static_cast<int>(id));
    return it != windows().end() && it->second.type == type ? it->second.window : nullptr;
}

} // namespace detail

OpenedHandOver openHandOver(DataModule& db, const HandOverRequest& request) {
    OpenedHandOver opened;
    const HandOverTarget* target = handOverTarget(request.target);
    if (!target || !target->open)
        return opened; // a register this version lacks: the origin alone
    if (request.allowed && !request.allowed()) {
        ui().information(QStringLiteral("Informacja"), request.refusal);
        return opened;
    }
    std::unique_ptr<HandOverSide> side = target->open(db, request.record);
    if (!side)
        return opened;
    opened.outcome = side->show();
    if (opened.outcome == SecondOutcome::Confirmed)
        opened.side = std::move(side);
    return opened;
}

} // namespace kv
