#pragma once

#include <QString>

#include <memory>
#include <variant>

class Kestavolin;
class QGuiApplication;

// What the commands that draw labels (render, print) share besides the label options.

// Without a display the label is drawn on Qt's offscreen platform. Call before the
// application object is made.
void chooseOffscreenWithoutDisplay();

// The application object the drawing needs, made here unless one exists already
// (then null is returned and the existing one is used).
std::unique_ptr<QGuiApplication> makeGuiApplication();

// The photo record of a file, or the reason there is none to draw. A failed analysis
// has shown its alert on standard error already.
std::variant<std::unique_ptr<Kestavolin>, QString> openPhotograph(const QString& path);
