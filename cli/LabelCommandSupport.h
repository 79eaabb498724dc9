#pragma once

#include "platform/Result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class FileData;
class LabelLayout;
class PhotoRecord;
class Picture;
class QCommandLineParser;
class QGuiApplication;

// What the commands that draw labels (render, print) share besides the label options.

// A label command's own parts: its options (--help and --no-translations among them),
// how it reads its request from them (an error is a usage error) and its work.
struct LabelCommand {
    const char* name;
    const char* usageLine;
    std::function<void(QCommandLineParser&)> addOptions;
    std::function<Status(const QCommandLineParser&)> readRequest;
    std::function<int()> run;
};

inline constexpr int labelCommandUsageExit = 2;

// Runs a label command: sets up the platform and the application object, parses the
// arguments (the command name excluded), answers --help (exit 0), hands a request for
// photographs' own titles to the complete program when this one cannot read them,
// installs the string tables unless --no-translations is given, reads the request and
// runs the work. A usage error is written to standard error with the usage line and
// exits with labelCommandUsageExit.
int runLabelCommand(const LabelCommand& command, const std::vector<std::string>& args);

// Without a display the label is drawn on Qt's offscreen platform; a session without a
// runtime folder gets a private one. Call before the application object is made.
void chooseOffscreenWithoutDisplay();

// The application object the drawing needs, made here unless one exists already
// (then null is returned and the existing one is used).
std::unique_ptr<QGuiApplication> makeGuiApplication();

// A photograph's bytes (null when unreadable) and, when it was decoded ahead of its
// analysis, its picture; whether it is labelled when it has no camera data.
struct PhotographFile {
    std::shared_ptr<const FileData> data;
    std::optional<std::shared_ptr<Picture>> picture;
    bool withoutCameraData = false;
};

// The photo record of a file, or the reason there is none to draw. The alert texts of
// a failed analysis are written to standard error first; a picture refused for the
// memory its decoding would take is reported there too, and the label made without it.
Result<std::unique_ptr<PhotoRecord>> openPhotograph(const QString& path, bool withoutCameraData);
// The same for a file already read; a picture decoded ahead is used as the analysis's.
Result<std::unique_ptr<PhotoRecord>> openPhotograph(const QString& path,
                                                    const PhotographFile& file);
// The same, with every line it would write to standard error (why the analysis
// failed, a refused picture) appended to `messages` instead, in order, for a caller
// that writes them later.
Result<std::unique_ptr<PhotoRecord>>
openPhotographQuietly(const QString& path, const PhotographFile& file, QStringList& messages);

// One line for standard error per text the label shows shortened, naming the command,
// the photograph and the field ("kestavolin-cli render: a.jpg: the title ...").
QStringList shortenedTextWarnings(const char* command, const QString& photograph,
                                  const LabelLayout& layout);
