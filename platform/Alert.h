#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

// Modal alerts: a title, a message, the lines it is about and up to three buttons. Code that
// shows alerts is given the presenter that shows them (a dialog in the application, a record
// in tests); code without a user interface returns the alert's content instead, which the
// command line writes to standard error.

struct AlertContent {
    QString title{};
    QString message{};
    QString defaultButton{};
    QString alternateButton{};
    QString otherButton{};
    // The items the message is about (files, labels), one a line, shown in a list that
    // scrolls when it is long.
    QStringList details{};
};

// Results of an alert: which button ended it.
inline constexpr int alertDefaultReturn = 1;
inline constexpr int alertAlternateReturn = 0;
inline constexpr int alertOtherReturn = -1;

class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    // Shows the alert and returns only when it has been answered.
    virtual int present(const AlertContent& alert) = 0;
};

// A modal dialog of the alert: its title whole at the top, the message, the details in
// a list, and its buttons; never larger than the screen it is shown on.
class DialogAlertPresenter : public AlertPresenter {
public:
    // The dialogs are shown over the parent (none: over the active window).
    explicit DialogAlertPresenter(QWidget* parent = nullptr) : parent_(parent) {}
    int present(const AlertContent& alert) override;

private:
    QWidget* parent_;
};

// The alert as standard error shows it: "title: message", then each detail on a line
// of its own.
QString standardErrorLine(const AlertContent& alert);

// Keeps every alert it is shown and answers a chosen button (the default one unless
// told otherwise). Used where alerts must be inspected rather than shown.
class RecordingAlertPresenter : public AlertPresenter {
public:
    int present(const AlertContent& alert) override;

    const QVector<AlertContent>& alerts() const { return alerts_; }
    void clear() { alerts_.clear(); }
    void setAnswer(int answer) { answer_ = answer; }

private:
    QVector<AlertContent> alerts_;
    int answer_ = alertDefaultReturn;
};
