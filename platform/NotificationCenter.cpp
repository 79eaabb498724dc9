#include "platform/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(const QString& name,
                                                          std::function<void()> handler) {
    const Token token = nextToken_++;
    observers_.push_back({token, name, std::move(handler)});
    return token;
}

void NotificationCenter::removeObserver(Token token) {
    std::erase_if(observers_, [token](const Observer& o) { return o.token == token; });
}

void NotificationCenter::postNotificationName(const QString& name) {
    // Handlers may add or remove observers while running, so deliver to a snapshot of
    // the matching tokens and skip any that were removed in the meantime.
    std::vector<Token> matching;
    for (const Observer& o : observers_)
        if (o.name == name)
            matching.push_back(o.token);
    for (Token token : matching) {
        auto it = std::find_if(observers_.begin(), observers_.end(),
                               [token](const Observer& o) { return o.token == token; });
        if (it == observers_.end())
            continue;
        std::function<void()> handler = it->handler; // survives its own removal
        handler();
    }
}
