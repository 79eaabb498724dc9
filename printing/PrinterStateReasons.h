#pragma once

#include <QString>
#include <QStringList>

// The printer-state-reasons that keep a job from printing until someone sees to the
// printer (no media, a jam, an open cover, the printer offline, paused or stopped),
// and how the user is told of them.
namespace PrinterStateReasons {

// Those of the reasons that stop a job, without their severity suffix
// ("media-empty-error" gives "media-empty"), each once, in the order given.
QStringList stopping(const QStringList& reasons);

// What the reasons say, in the user's language: "out of media, cover open".
QString describe(const QStringList& stoppingReasons);

// The notice while a job waits on them: the printer, the job and the reasons.
QString notice(const QString& printer, int jobId, const QString& documentName,
               const QStringList& stoppingReasons);

} // namespace PrinterStateReasons
