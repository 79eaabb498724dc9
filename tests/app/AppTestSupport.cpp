#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/PhotoList.h"
#include "app/PhotoListPanel.h"
#include "label/LabelLayout.h"
#include "platform/PropertyList.h"
#include "preferences/PreferencesDialog.h"
#include "printing/LabelPrinting.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

void ScriptedDialogRunner::chooseFilesToOpen(QWidget*, const QString& message,
                                             const QStringList& nameFilters, bool several,
                                             std::function<void(const QStringList& paths)> chosen) {
    openMessage = message;
    openFilters = nameFilters;
    openOffersSeveral = several;
    if (openAnswer)
        chosen(*openAnswer);
}

std::optional<QString> ScriptedDialogRunner::chooseFileToSave(QWidget*, const QString& message,
                                                              const QString& nameFilter,
                                                              const QString&) {
    saveMessage = message;
    saveFilter = nameFilter;
    return saveAnswer;
}

std::optional<QString> ScriptedDialogRunner::askForMedium(const LabelPrinting& suggestions) {
    ++mediumQuestions;
    if (realMediaPanel)
        return ModalDialogRunner().askForMedium(suggestions);
    if (whileAskingForMedium)
        whileAskingForMedium(suggestions);
    return medium;
}

bool ScriptedDialogRunner::runPreferences(PreferencesDialog& panel) {
    ++preferencesShown;
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
    ++printDialogsShown;
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

AppFixture::AppFixture(const QString& home) : home_(home.isEmpty() ? freshHome_.path() : home) {
    for (const auto& [name, value] :
         {std::pair{"HOME", home_},
          std::pair{"XDG_CONFIG_HOME", home_ + QStringLiteral("/.config")},
          std::pair{"XDG_STATE_HOME", home_ + QStringLiteral("/.local/state")}}) {
        environment_.append({name, qgetenv(name)});
        qputenv(name, value.toLocal8Bit());
    }
    // The machine's own print queues are never seen: without a print service of the
    // test's own (the end-to-end scripts export theirs), none answers.
    if (qEnvironmentVariableIsEmpty("KESTAVOLIN_TEST_QUEUE"))
        printService_ = std::make_unique<ScopedPrintService>(absentPrintService());
    dialogs.pdfPath = QDir(home_).filePath(QStringLiteral("label.pdf"));
}

AppFixture::~AppFixture() {
    app_.reset();
    printService_.reset();
    for (const auto& [name, value] : environment_)
        qputenv(name, value);
}

AppPaths AppFixture::paths() const {
    return AppPaths::standard();
}

void AppFixture::writeSettings(const QVariantMap& settings) const {
    PropertyList::ensureParentFolder(paths().settingsFile);
    if (const Status written = PropertyList::writeXmlFile(paths().settingsFile, settings); !written)
        qFatal("%s", qUtf8Printable(written.failure().text()));
}

QVariantMap AppFixture::readSettings() const {
    const Result<QVariant> read = PropertyList::readFile(paths().settingsFile);
    return read ? read->toMap() : QVariantMap();
}

void AppFixture::writeSettingsWithMedium(const QString& medium) const {
    writeSettings({{QStringLiteral("photographer"), QStringLiteral("Ann Example")},
                   {QStringLiteral("lensList"), QVariantList{QStringLiteral("Exif")}},
                   {QStringLiteral("mediaTypeName"), medium}});
}

Application& AppFixture::start(const QStringList& photographs) {
    app_ = std::make_unique<Application>(dialogs, alerts, paths());
    app_->window().show();
    app_->start(photographs);
    return *app_;
}

Application& AppFixture::startOn(const QString& medium, const QStringList& photographs) {
    writeSettingsWithMedium(medium);
    return start(photographs);
}

void AppFixture::quit() {
    app_->saveAll();
    app_.reset();
}

QString AppFixture::samplePhoto(const QString& name) const {
    const QString path = QDir(home()).filePath(name);
    QFile::copy(QStringLiteral(KESTAVOLIN_TEST_DATA_DIR "/Canon_40D.jpg"), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

QString AppFixture::fileWithBytes(const QString& name, const QByteArray& bytes) const {
    const QString path = QDir(home()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

MainWindow& AppFixture::window() const {
    return app_->window();
}

const QAbstractItemModel& AppFixture::list() const {
    return *window().photoListPanel()->findChild<QListView*>()->model();
}

const LabelLayout* AppFixture::label() const {
    return window().shownLabel();
}

QLineEdit* AppFixture::titleField() const {
    return window().findChild<QLineEdit*>(QStringLiteral("titleMessageBox"));
}

QLineEdit* AppFixture::photographerField() const {
    return window().findChild<QLineEdit*>(QStringLiteral("photographerBox"));
}

QComboBox* AppFixture::lensBox() const {
    return window().findChild<QComboBox*>(QStringLiteral("lensName"));
}

QAction* AppFixture::action(const char* name) const {
    return window().findChild<QAction*>(QString::fromLatin1(name));
}

QString AppFixture::labelTexts() const {
    QStringList texts;
    if (const LabelLayout* shown = label())
        for (const PlacedText& placed : shown->placedTexts())
            texts << placed.text.string();
    return texts.join(QLatin1Char('|'));
}

// The progress row hides once the intake's run has ended and its alert was shown.
bool AppFixture::waitForPrinting() const {
    return QTest::qWaitFor([this] { return !app_->printing().busy(); },
                           PrintService::lookupMilliseconds * 2 + PrintService::submitMilliseconds);
}

bool AppFixture::waitForReading() const {
    const QWidget* progress = window().findChild<QWidget*>(QStringLiteral("progressRow"));
    return QTest::qWaitFor(
        [this, progress] {
            if (!progress->isHidden())
                return false;
            const QAbstractItemModel& model = list();
            for (int row = 0; row < model.rowCount(); ++row)
                if (model.index(row, 0).data(PhotoList::BeingReadRole).toBool())
                    return false;
            return true;
        },
        20000);
}

void AppFixture::select(int row) const {
    window().photoListPanel()->setCurrentRow(row);
}

void AppFixture::typeTitle(const QString& text) const {
    QTest::keyClicks(titleField(), text);
}

void AppFixture::typePhotographer(const QString& text) const {
    QTest::keyClicks(photographerField(), text);
}

void AppFixture::trigger(const char* actionName) const {
    action(actionName)->trigger();
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
