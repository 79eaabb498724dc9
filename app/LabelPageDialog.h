#pragma once

#include <QDialog>

#include <memory>

class QPrinter;

namespace Ui {
class LabelPageDialog;
}

// The page set-up of a label: the one page the label is printed on (the label's own,
// or the page the queue's driver prints it on), shown in the window's unit, and its
// orientation. Office paper sizes and margins mean nothing on label media, so none are
// offered. Confirming sets the orientation on the printer; its page stays.
class LabelPageDialog : public QDialog {
    Q_OBJECT

public:
    LabelPageDialog(QPrinter& printer, bool metric, QWidget* parent = nullptr);
    ~LabelPageDialog() override;

    void accept() override;

private:
    std::unique_ptr<Ui::LabelPageDialog> ui_;
    QPrinter& printer_;
};
