#include "Changes.h"

#include <algorithm>

int ChangeBoard::Listen(Listener listener) {
    Listeners.push_back({NextId, std::move(listener)});
    return NextId++;
}

void ChangeBoard::StopListening(int id) {
    std::erase_if(Listeners, [id](const Entry& entry) { return entry.Id == id; });
}

void ChangeBoard::Announce(const Change& change) const {
    // A listener may start or stop others: those of the moment hear it.
    const std::vector<Entry> listeners = Listeners;
    for (const Entry& entry : listeners)
        entry.Hears(change);
}
