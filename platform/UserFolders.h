#pragma once

#include <QString>

// The folders a desktop program keeps its user's files in, as the XDG base directory
// rules name them: a variable holding an absolute path wins, otherwise the folder under
// the home folder. Nothing is created here.

// $XDG_CONFIG_HOME, or ~/.config: settings.
QString userConfigFolder();
// $XDG_STATE_HOME, or ~/.local/state: what a program keeps between runs that is not a
// setting (the photo list, window positions).
QString userStateFolder();
