#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <variant>

class FileData;
class Kestavolin;
class Picture;
class QGuiApplication;

// What the commands that draw labels (render, print) share besides the label options.

// Without a display the label is drawn on Qt's offscreen platform. Call before the
// application object is made.
void chooseOffscreenWithoutDisplay();

// The application object the drawing needs, made here unless one exists already
// (then null is returned and the existing one is used).
std::unique_ptr<QGuiApplication> makeGuiApplication();

// A photograph's bytes (null when unreadable) and, when it was decoded ahead of its
// analysis, its picture.
struct PhotographFile {
    std::shared_ptr<const FileData> data;
    std::optional<std::shared_ptr<Picture>> picture;
};

// The photo record of a file, or the reason there is none to draw. A failed analysis
// has shown its alert on standard error already.
std::variant<std::unique_ptr<Kestavolin>, QString> openPhotograph(const QString& path);
// The same for a file already read; a picture decoded ahead is used as the analysis's.
std::variant<std::unique_ptr<Kestavolin>, QString> openPhotograph(const QString& path,
                                                                  const PhotographFile& file);
