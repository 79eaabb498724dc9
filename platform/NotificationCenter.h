#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// A synchronous notification centre keyed by name. Posting calls every observer of
// that name, in the order they were added, before it returns.
class NotificationCenter {
public:
    using Token = std::uint64_t;

    static NotificationCenter& defaultCenter();

    Token addObserver(const QString& name, std::function<void()> handler);
    // Unknown or already removed tokens are ignored.
    void removeObserver(Token token);
    void postNotificationName(const QString& name);

private:
    struct Observer {
        Token token;
        QString name;
        std::function<void()> handler;
    };

    std::vector<Observer> observers_;
    Token nextToken_ = 1;
};
