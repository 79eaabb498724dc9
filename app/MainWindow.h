#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class ScaleViewer;
class Tack66View;
class TapeView;

namespace Ui {
class MainWindow;
}

// The main window: the menus, the label preview, the lens box, the caption inputs and
// the print button, laid out and coloured as the interface file describes. It tells
// what the user asks for through its signals and shows what it is given through its
// setters; it keeps no state of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Puts the label in the preview area (the window takes the view and the ruler) and
    // gives the window its size for the label's medium.
    void showTapeLabel(TapeView* view, ScaleViewer* ruler);
    void showRollLabel(Tack66View* view);

    // The lens box: its list, the entry shown (an index outside the list shows none)
    // and the name it shows, typed or picked.
    void setLensNames(const QStringList& names);
    void selectLensAt(int index);
    QString lensName() const;

    void setPhotographer(const QString& name);
    void setTitle(const QString& title);
    void setPrintingEnabled(bool enabled);

signals:
    void openRequested();
    void newWindowRequested();
    void pageSetupRequested();
    // From the menu item and from the print button.
    void printRequested();
    void quitRequested();
    // From the menu item and from the button beside the lens box.
    void deleteLensRequested();
    void preferencesRequested();
    void aboutRequested();
    // A name picked from the lens list, or typed and confirmed with Enter.
    void lensChosen(const QString& name);
    // The field's text when the user finished editing it.
    void photographerEdited(const QString& name);
    void titleEdited(const QString& title);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyColours();
    void connectControls();

    std::unique_ptr<Ui::MainWindow> ui_;
};
