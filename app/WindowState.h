#pragma once

#include <QString>

class MainWindow;

// The window's layout kept between runs in a file of its own beside the settings
// (window place and size, the photo list's width, the zoom), so that the settings file
// stays as older versions read it.
class WindowState {
public:
    explicit WindowState(const QString& path) : path_(path) {}

    void restore(MainWindow& window) const;
    void save(const MainWindow& window) const;

private:
    QString path_;
};
