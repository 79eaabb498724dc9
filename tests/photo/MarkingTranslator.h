#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QTranslator>

// A string table that holds every key looked up by id: it answers "<key>" and
// remembers which keys were asked for. Installed for its lifetime.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        // Lookups by id come without a context; Qt's own texts have one.
        if (context && *context)
            return {};
        const QString key = QString::fromUtf8(sourceText);
        keys_.insert(key);
        return QLatin1Char('<') + key + QLatin1Char('>');
    }
    bool isEmpty() const override { return false; }

    const QSet<QString>& keys() const { return keys_; }

private:
    mutable QSet<QString> keys_;
};
