#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/PhotoList.h"
#include "app/PhotoListPanel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

class Autosave : public testing::Test {
protected:
    void SetUp() override { fixture.writeSettingsWithMedium(QStringLiteral("Tape 18")); }
    QString data(int row, int role = Qt::DisplayRole) const {
        return fixture.list().index(row, 0).data(role).toString();
    }
    QByteArray listFile() const {
        QFile file(fixture.paths().listFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    AppFixture fixture;
};

// The list comes back at the next start as it was left, unreadable entries with their
// captions too; photographs named at that start join its end.
TEST_F(Autosave, TheListComesBackAtTheNextStartAndNamedPhotographsJoinIt) {
    const QString missing = fixture.home() + QStringLiteral("/gone.jpg");
    fixture.start({fixture.samplePhoto(QStringLiteral("b.jpg")), missing,
                   fixture.samplePhoto(QStringLiteral("a.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    fixture.select(0);
    fixture.typeTitle(QStringLiteral("Bay"));
    fixture.typePhotographer(QStringLiteral("Kim"));
    fixture.quit();
    EXPECT_TRUE(listFile().contains("Bay"));

    fixture.alerts.clear();
    fixture.start({fixture.samplePhoto(QStringLiteral("c.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    ASSERT_EQ(fixture.list().rowCount(), 4);
    EXPECT_EQ(data(0), QStringLiteral("b.jpg"));
    EXPECT_EQ(data(0, PhotoList::TitleRole), QStringLiteral("Bay"));
    EXPECT_EQ(data(0, PhotoList::PhotographerRole), QStringLiteral("Kim"));
    EXPECT_EQ(data(1, PhotoList::PathRole), missing);
    EXPECT_EQ(data(3), QStringLiteral("c.jpg"));
    EXPECT_EQ(fixture.window().windowTitle(), QStringLiteral("c.jpg"));
    ASSERT_EQ(fixture.alerts.alerts().size(), 1) << "the missing photograph is told again";

    // A cleared list stays cleared.
    fixture.window()
        .photoListPanel()
        ->findChild<QToolButton*>(QStringLiteral("clearButton"))
        ->click();
    fixture.quit();
    fixture.start();
    EXPECT_EQ(fixture.list().rowCount(), 0);
}

// Every change reaches the file shortly after it is made, without quitting.
TEST_F(Autosave, ChangesAreWrittenShortlyAfterTheyAreMade) {
    fixture.start({fixture.samplePhoto(QStringLiteral("a.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    fixture.typeTitle(QStringLiteral("Harbour"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return listFile().contains("Harbour"); }, 2000));
}

// A list file that is no caption sheet is told, kept aside under a name of its own,
// and never overwritten; the list starts empty and is kept anew.
TEST_F(Autosave, ADamagedListFileIsToldAndKeptAside) {
    const QByteArray damaged = "\xff\xfe not a caption sheet\n";
    QDir().mkpath(QFileInfo(fixture.paths().listFile).absolutePath());
    QFile file(fixture.paths().listFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    fixture.start();
    ASSERT_EQ(fixture.alerts.alerts().size(), 1);
    EXPECT_EQ(fixture.alerts.alerts()[0].title, QStringLiteral("listNotRestoredTitle"));
    const QStringList aside = QDir(QFileInfo(fixture.paths().listFile).absolutePath())
                                  .entryList({QStringLiteral("list.csv.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(fixture.alerts.alerts()[0].message.contains(aside[0]));
    QFile kept(QFileInfo(fixture.paths().listFile).absolutePath() + QLatin1Char('/') + aside[0]);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    EXPECT_EQ(fixture.list().rowCount(), 0);

    fixture.app().takeHandedOverRequest({fixture.samplePhoto(QStringLiteral("a.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    fixture.quit();
    EXPECT_TRUE(listFile().contains("a.jpg"));
}

} // namespace
