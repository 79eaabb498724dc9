#pragma once

#include <QByteArray>
#include <QString>

// A small tmpfs mounted over a folder for the test's lifetime, to be filled up so that
// writes fail with "No space left on device". Only root may mount: tests skip when
// mounted() is false.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& folder);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    // Takes every free block with a file named "filler"; false when it could not.
    bool fill() const;

private:
    QByteArray folder_;
    bool mounted_ = false;
};
