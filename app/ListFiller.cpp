#include "app/ListFiller.h"

#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "platform/Alert.h"
#include "platform/LocalizedText.h"

ListFiller::ListFiller(PhotoList& list, PhotoIntake& intake, QObject* parent)
    : QObject(parent), list_(list), intake_(intake) {
    connect(&list_, &PhotoList::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last; ++row)
                    arrived(row);
            });
    connect(&intake_, &PhotoIntake::finished, this, &ListFiller::runEnded);
}

void ListFiller::add(std::vector<PhotoEntry> pending, const QStringList& names) {
    if (pending.empty())
        return;
    if (!intake_.isBusy())
        announceNext_ = true;
    for (const QString& name : names)
        arrivingNames_.push_back(name);
    intake_.add(std::move(pending));
}

// Rows the intake delivers come with a name queued for them; rows appended otherwise
// have none.
void ListFiller::arrived(int row) {
    if (arrivingNames_.empty())
        return;
    const QString name = arrivingNames_.front();
    arrivingNames_.pop_front();
    const PhotoEntry& photo = list_.entry(row);
    if (!photo.record) {
        failed_ << QStringLiteral("%1: %2").arg(name, photo.failure);
        return;
    }
    if (announceNext_) {
        announceNext_ = false;
        emit firstArrived(row);
    }
}

void ListFiller::runEnded() {
    arrivingNames_.clear();
    announceNext_ = false;
    if (failed_.isEmpty())
        return;
    const QString failed = failed_.join(QLatin1Char('\n'));
    failed_.clear();
    runAlertPanel(localizedString(QStringLiteral("listNotReadTitle")),
                  localizedString(QStringLiteral("listNotReadMsg")) + QStringLiteral("\n\n") +
                      failed,
                  localizedString(QStringLiteral("Ok")), QString(), QString());
}
