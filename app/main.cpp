#include "app/Application.h"
#include "app/DialogRunner.h"
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
#include <optional>
#include <string_view>

namespace {

// --help and --version alone are answered before the window system is reached, so
// that they work without a display; any other argument names a photograph.
std::optional<int> answerInformationRequest(int argc, char** argv) {
    if (argc != 2)
        return std::nullopt;
    const std::string_view argument = argv[1];
    if (argument == "--help" || argument == "-h") {
        std::printf("Usage: kestavolin [FILE...]\n\n%s\n\n"
                    "Options:\n"
                    "  -h, --help  Displays help on commandline options.\n"
                    "  --version   Displays version information.\n\n"
                    "Arguments:\n"
                    "  FILE        A photograph to open (JPEG, TIFF or PSD); a running "
                    "Kestavolin is handed it.\n",
                    KESTAVOLIN_APP_DESCRIPTION);
        return 0;
    }
    if (argument == "--version") {
        std::printf("kestavolin %s\n", KESTAVOLIN_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace

// Photographs named on the command line are added to the photo list kept from the last
// run, as if handed over by the desktop. When the application already runs, they (or,
// without any, a request to show the window) go to the running instance instead and
// this launch ends.
int main(int argc, char** argv) {
    if (const auto answered = answerInformationRequest(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestavolin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestavolin"));
    QApplication::setDesktopFileName(QStringLiteral("kestavolin"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kestavolin"),
                                                 QIcon(QStringLiteral(":/icons/kestavolin.svg"))));

    QByteArrayList arguments;
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QByteArray(argv[i]));
        files.append(decodedPath(arguments.last()));
    }

    const auto strings = installStringTables();
    const auto toolkitStrings = installToolkitStringTables();
    SingleInstance instance;
    switch (instance.start(arguments)) {
    case SingleInstance::Launch::HandedOver:
        return 0;
    case SingleInstance::Launch::Unanswered:
        std::fprintf(stderr, "kestavolin: %s\n",
                     qUtf8Printable(localizedText(QStringLiteral("instanceNotAnsweringWarning"),
                                                  {SingleInstance::defaultServerName()})));
        return 1;
    case SingleInstance::Launch::Running:
        break;
    }

    DialogAlertPresenter alerts;
    ModalDialogRunner dialogs;
    Application application(dialogs, alerts);

    if (!instance.listening())
        std::fprintf(stderr, "kestavolin: %s\n",
                     qUtf8Printable(localizedText(QStringLiteral("instanceNotReachableWarning"),
                                                  {SingleInstance::defaultServerName()})));
    QObject::connect(&instance, &SingleInstance::openRequested, &application,
                     &Application::takeHandedOverRequest);

    // Closing the window, Quit, logout and termination signals end the application, and
    // the settings and the list are saved on every one of these ways out. An alert
    // closed while the window is away does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    const TerminationSignals terminationSignals;
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &application,
                     [&application](QSessionManager&) { application.saveAll(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &application, &Application::saveAll);

    application.window().show();
    QTimer::singleShot(0, &application, [&application, files] {
        if (!application.start(files))
            QCoreApplication::quit();
    });
    return QApplication::exec();
}
