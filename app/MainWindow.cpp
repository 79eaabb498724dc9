#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include <QLayout>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>()) {
    m_ui->setupUi(this);
    // The window always has the size of its content area (which the controller grows
    // for the roll medium); the labels are laid out for that size and no other.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::contentView() const {
    return m_ui->contentView;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closed();
}
