#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <variant>

// Why something could not be done, as the user is told it: a string-table key and the
// texts that fill the key's numbered places (%1, %2, ...). The texts are already in the
// user's language: file names, the system's own words, or another failure's text.
struct Failure {
    QString key;
    QStringList arguments;

    // The key's text in the user's language with its places filled.
    QString text() const;

    friend bool operator==(const Failure&, const Failure&) = default;
};

// A failure the system's own words tell (for example "No space left on device"), for
// a caller that names what failed.
Failure systemFailure(const QString& words);

// The cause, told as what befell the file ("out.png: ...").
Failure fileFailure(const QString& path, const Failure& cause);

// The one way an operation that can fail answers outside the metadata reader: its
// value, or the failure that stands in its place.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

// An operation that gives nothing back but may fail.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return *failure_; }

private:
    std::optional<Failure> failure_;
};

using Status = Result<void>;
