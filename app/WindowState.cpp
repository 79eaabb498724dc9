#include "app/WindowState.h"

#include "app/MainWindow.h"

#include <QSettings>

namespace {

const QString geometryKey = QStringLiteral("window/geometry");
const QString splitterKey = QStringLiteral("window/splitter");
// A factor, or "fit" for Fit to Window.
const QString zoomKey = QStringLiteral("preview/zoom");
const QString fitToWindow = QStringLiteral("fit");

} // namespace

void WindowState::restore(MainWindow& window) const {
    const QSettings stored(path_, QSettings::IniFormat);
    WindowLayout layout{stored.value(geometryKey).toByteArray(),
                        stored.value(splitterKey).toByteArray(), std::nullopt};
    bool isFactor = false;
    const double zoom = stored.value(zoomKey).toDouble(&isFactor);
    if (isFactor && zoom > 0)
        layout.zoom = zoom;
    window.restoreLayout(layout);
}

void WindowState::save(const MainWindow& window) const {
    const WindowLayout layout = window.layoutState();
    QSettings stored(path_, QSettings::IniFormat);
    stored.setValue(geometryKey, layout.geometry);
    stored.setValue(splitterKey, layout.splitter);
    stored.setValue(zoomKey, layout.zoom ? QVariant(*layout.zoom) : QVariant(fitToWindow));
}
