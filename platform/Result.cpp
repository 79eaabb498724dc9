#include "platform/Result.h"

#include "platform/LocalizedText.h"

// Every place is filled in one pass, so an argument that itself holds "%2" (a file
// name, say) is taken as it stands.
QString Failure::text() const {
    const QString pattern = localizedString(key);
    QString filled;
    filled.reserve(pattern.size());
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const QChar c = pattern.at(at);
        if (c != QLatin1Char('%') || at + 1 >= pattern.size() || !pattern.at(at + 1).isDigit()) {
            filled += c;
            continue;
        }
        qsizetype end = at + 1;
        int number = 0;
        while (end < pattern.size() && pattern.at(end).isDigit() && number < 100)
            number = number * 10 + pattern.at(end++).digitValue();
        if (number >= 1 && number <= arguments.size()) {
            filled += arguments.at(number - 1);
            at = end - 1;
        } else {
            filled += c;
        }
    }
    return filled;
}
