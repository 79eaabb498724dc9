#pragma once

#include <QString>
#include <QVariantMap>

#include <memory>
#include <optional>
#include <variant>

class Kestavolin;
class LabelLayout;
class QCommandLineParser;

// What a label is made of besides the photograph, as the command line gives it:
// medium, title, photographer, lens, font and the Exif item display settings. Read
// from options and, when asked, from a settings file (which is never written).
struct LabelOptions {
    QString medium;
    std::optional<QString> title;
    QString photographer;
    std::optional<QString> lens;
    std::optional<QString> font;
    QVariantMap displaySettings;
};

namespace LabelOptionsReader {

// Adds --medium, --title, --photographer, --lens, --font, --show, --hide and
// --settings to the parser.
void addOptions(QCommandLineParser& parser);

// The options of a parsed command line, or a message saying what is wrong with them.
// Without --settings the defaults of a new user apply: the medium "Tape 18", the
// localised "Photographer" and the default display settings. --show and --hide then
// switch items on and off.
std::variant<LabelOptions, QString> read(const QCommandLineParser& parser);

// The display-setting keys --show and --hide accept.
QStringList knownItemKeys();

} // namespace LabelOptionsReader

// A label of the options' medium, font, photographer and title, as the application
// prepares its label view before a photograph arrives.
std::unique_ptr<LabelLayout> makeLabelLayout(const LabelOptions& options);

// Hands the label the display settings and the photograph, then the lens, in the
// order the application calls them.
void showPhotograph(LabelLayout& layout, const LabelOptions& options, const Kestavolin* record);
