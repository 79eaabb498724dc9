#pragma once

#include "cli/LabelOptionsReader.h"
#include "platform/Result.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QCommandLineParser;

// A photograph's own title (its XMP title, IPTC object name or Exif description) is
// read through exiv2, which only the complete program links: it registers the reader
// (OwnTitleReader.cpp), and a program without one hands requests for own titles to
// the complete program.
using OwnTitleReader = std::optional<QString> (*)(const QString& path);

struct OwnTitleReaderRegistration {
    explicit OwnTitleReaderRegistration(OwnTitleReader reader);
};

// The photographs a label command labels, each with its own label options: the FILE
// arguments with the command line's options, or the rows of a caption sheet
// (--captions), whose filled cells take the place of the options.
struct LabelInput {
    QString path;
    // The row of the caption sheet it came from; 0 for a FILE argument.
    int sheetRow = 0;
    LabelOptions label;
    // Look up the photograph's own title when it is given none (--titles-from-photos).
    bool titleFromPhoto = false;
    // Label a photograph without camera data from its picture, file name, title and
    // photographer instead of failing (--without-camera-data).
    bool withoutCameraData = false;

    // Names the input in messages: "row 3 (a.jpg)" for a sheet row, else the path.
    QString name() const;
    // A message about the input, preceded by the sheet row it came from ("row 3: ...").
    QString withRow(const QString& message) const;
    // The label options with the photograph's own title filled in where asked for.
    LabelOptions options() const;
};

namespace LabelInputs {

// Adds --captions, --titles-from-photos and --without-camera-data.
void addOptions(QCommandLineParser& parser);

// Whether the parsed command line asks for photographs' own titles, and whether this
// program can read them.
bool asksForOwnTitles(const QCommandLineParser& parser);
bool readsOwnTitles();

// The inputs of a parsed command line, at least one, each with the label options the
// command line gives (see LabelOptionsReader::read), or a usage error.
Result<std::vector<LabelInput>> read(const QCommandLineParser& parser);

QStringList paths(const std::vector<LabelInput>& inputs);

} // namespace LabelInputs
