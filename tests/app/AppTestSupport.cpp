#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "platform/LocalizedText.h"
#include "platform/PropertyList.h"
#include "preferences/PreferencesDialog.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

void ScriptedDialogRunner::chooseFilesToOpen(QWidget*, const QString& message,
                                             const QStringList& nameFilters, bool several,
                                             std::function<void(const QStringList& paths)> chosen) {
    openMessage = message;
    openFilters = nameFilters;
    openOffersSeveral = several;
    pendingOpenSeveral = chosen;
    pendingOpen = [chosen](const QString& path) { chosen({path}); };
}

std::optional<QString> ScriptedDialogRunner::chooseFileToSave(QWidget*, const QString&,
                                                              const QString& nameFilter,
                                                              const QString&) {
    saveFilter = nameFilter;
    return saveAnswer;
}

std::optional<QString> ScriptedDialogRunner::askForMedium() {
    ++mediumQuestions;
    if (realMediaPanel)
        return ModalDialogRunner().askForMedium();
    if (whileAskingForMedium)
        whileAskingForMedium();
    return medium;
}

bool ScriptedDialogRunner::runPreferences(PreferencesDialog& panel) {
    ++preferencesShown;
    preferencesMediumShown = panel.mediaType();
    if (preferencesChoice)
        preferencesChoice(panel);
    if (confirmPreferences)
        panel.accept();
    else
        panel.reject();
    return panel.result() == QDialog::Accepted;
}

bool ScriptedDialogRunner::runPageSetup(QPrinter& printer, QWidget*) {
    pageSetupShown = printer.pageLayout();
    if (pageSetupChoice)
        printer.setPageLayout(*pageSetupChoice);
    return true;
}

bool ScriptedDialogRunner::runPrintDialog(QPrinter& printer, QWidget*) {
    printDialogShown = printer.pageLayout();
    if (confirmPrint && queue.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    } else if (confirmPrint) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(queue);
    }
    return confirmPrint;
}

void ScriptedDialogRunner::showAbout(QWidget*, const QString&, const QString&) {}

AppFixture::AppFixture() : m_previousHome(qgetenv("HOME")) {
    qputenv("HOME", m_home.path().toLocal8Bit());
    useEmptyStringTable();
    m_alertScope = std::make_unique<ScopedAlertPresenter>(alerts);
    dialogs.pdfPath = QDir(m_home.path()).filePath(QStringLiteral("label.pdf"));
}

AppFixture::~AppFixture() {
    m_app.reset();
    qputenv("HOME", m_previousHome);
}

QString AppFixture::settingsPath() const {
    return QDir(m_home.path()).filePath(QStringLiteral("Documents/kestavolin.plist"));
}

void AppFixture::writeSettings(const QVariantMap& settings) const {
    PropertyList::ensureParentFolder(settingsPath());
    PropertyList::writeXmlFile(settingsPath(), settings);
}

QVariantMap AppFixture::readSettings() const {
    return PropertyList::readFile(settingsPath()).value.toMap();
}

void AppFixture::writeSettingsWithMedium(const QString& medium) const {
    writeSettings({{QStringLiteral("photographer"), QStringLiteral("Ann Example")},
                   {QStringLiteral("lensList"), QVariantList{QStringLiteral("Exif")}},
                   {QStringLiteral("mediaTypeName"), medium}});
}

KestavolinAppDelegate& AppFixture::startOn(const QString& medium) {
    writeSettingsWithMedium(medium);
    return start();
}

KestavolinAppDelegate& AppFixture::start(bool finishLaunching) {
    m_app = std::make_unique<KestavolinAppDelegate>(dialogs, settingsPath());
    m_app->window().show();
    if (finishLaunching)
        m_app->applicationDidFinishLaunching();
    return *m_app;
}

QString AppFixture::samplePhoto(const QString& name) const {
    const QString path = QDir(m_home.path()).filePath(name);
    QFile::copy(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg"), path);
    return path;
}

QString AppFixture::fileWithBytes(const QString& name, const QByteArray& bytes) const {
    const QString path = QDir(m_home.path()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QList<QSizeF> pdfPageSizes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString content = QString::fromLatin1(file.readAll());
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox\s*\[\s*([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s*\])"));
    QList<QSizeF> sizes;
    for (auto match = mediaBox.globalMatch(content); match.hasNext();) {
        const auto box = match.next();
        sizes.append(QSizeF(box.captured(3).toDouble() - box.captured(1).toDouble(),
                            box.captured(4).toDouble() - box.captured(2).toDouble()));
    }
    return sizes;
}
