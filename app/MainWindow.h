#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}

// The main window as the interface file lays it out: the menu, the lens box, the
// caption inputs and the print button. The label view and the ruler are added by the
// controller. Closing the window announces it with closed().
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow& ui() { return *m_ui; }
    // The content area the label views are placed in.
    QWidget* contentView() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::MainWindow> m_ui;
};
