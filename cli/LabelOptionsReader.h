#pragma once

#include "label/LabelOptions.h"
#include "platform/Result.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;

// The label options as the command line gives them, read from options and, when asked,
// from a settings file (which is never written).
namespace LabelOptionsReader {

// Adds --medium, --title, --photographer, --lens, --font, --show, --hide and
// --settings to the parser.
void addOptions(QCommandLineParser& parser);

// The options of a parsed command line, or what is wrong with them.
// Without --settings the window's settings file is read when there is one; otherwise
// the defaults of a new user apply: the medium "Tape 18", the localised
// "Photographer" and the default display settings. --show and --hide then switch items
// on and off.
Result<LabelOptions> read(const QCommandLineParser& parser);

// The display-setting keys --show and --hide accept.
QStringList knownItemKeys();

} // namespace LabelOptionsReader
