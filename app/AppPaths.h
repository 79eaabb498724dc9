#pragma once

#include <QString>

// Where the application keeps its files.
struct AppPaths {
    // The settings: $XDG_CONFIG_HOME/kestavolin/kestavolin.plist.
    QString settingsFile;
    // Where older versions kept them (~/Documents/kestavolin.plist): read once when the
    // settings file does not exist yet, never written.
    QString formerSettingsFile;
    // The photo list kept between runs: $XDG_STATE_HOME/kestavolin/list.csv.
    QString listFile;
    // The window's place, size and zoom, beside the settings:
    // $XDG_CONFIG_HOME/kestavolin/window.conf.
    QString windowStateFile;

    static AppPaths standard();
};
