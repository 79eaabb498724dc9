#include "app/DialogRunner.h"
#include "app/KestavolinAppDelegate.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "platform/Alert.h"
#include "platform/LocalizedText.h"

#include <QApplication>
#include <QIcon>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

// Photographs named on the command line are open requests, as if handed over by the
// desktop. When the application already runs, they (or, without any, a request to
// show the window) go to the running instance instead and this launch ends.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestavolin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestavolin"));
    QApplication::setDesktopFileName(QStringLiteral("kestavolin"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kestavolin"),
                                                 QIcon(QStringLiteral(":/icons/kestavolin.svg"))));

    QStringList files;
    for (int i = 1; i < argc; ++i)
        files.append(QString::fromLocal8Bit(argv[i]));

    SingleInstance instance;
    if (instance.handOver(files))
        return 0;

    installStringTables();
    installToolkitStringTables();
    MessageBoxAlertPresenter alerts;
    ScopedAlertPresenter alertPresenter(alerts);
    ModalDialogRunner dialogs;
    KestavolinAppDelegate delegate(dialogs);

    if (!instance.listen())
        std::fprintf(stderr, "kestavolin: later launches cannot reach this one: %s\n",
                     qPrintable(SingleInstance::defaultServerName()));
    QObject::connect(&instance, &SingleInstance::openRequested, &delegate,
                     [&delegate](const QStringList& paths) {
                         if (paths.isEmpty()) {
                             delegate.newWindow();
                             delegate.window().raise();
                             delegate.window().activateWindow();
                         } else {
                             delegate.applicationOpenFiles(paths);
                         }
                     });

    // Closing the window keeps the application; Quit, logout and termination signals
    // end it, and the settings are saved on every one of these ways out.
    QApplication::setQuitOnLastWindowClosed(false);
    const TerminationSignals terminationSignals;
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &delegate,
                     [&delegate](QSessionManager&) { delegate.applicationWillTerminate(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     &KestavolinAppDelegate::applicationWillTerminate);

    delegate.window().show();
    if (!files.isEmpty())
        delegate.applicationOpenFiles(files);
    QTimer::singleShot(0, &delegate, &KestavolinAppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
