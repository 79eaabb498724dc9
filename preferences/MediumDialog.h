#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

class QComboBox;
class QPushButton;

namespace Ui {
class MediumDialog;
}

// The media panel asked at the first start: a choice of the two label media and an
// OK button, no cancel. Its one result is the chosen medium's name.
class MediumDialog : public QDialog {
    Q_OBJECT

public:
    // Loads the panel without running it; the medium is "Tape 18" until confirmed.
    explicit MediumDialog(QWidget* parent = nullptr);
    ~MediumDialog() override;

    // Creates the panel, lets prepare connect it, and runs it modally; returns once the
    // user has confirmed (the result is Accepted), or when the application is being ended
    // while the panel is up (then without a choice).
    static std::unique_ptr<MediumDialog>
    run(QWidget* parent = nullptr, const std::function<void(MediumDialog&)>& prepare = {});

    // "Tape 18" or "Roll 60".
    const QString& mediaName() const { return mediaName_; }

    QComboBox* mediumBox() const;
    QPushButton* okButton() const;

public slots:
    // Chooses the medium the printer has loaded, unless the user has chosen one already.
    void suggest(const QString& medium);
    // Item 1 of the choice means "Roll 60", anything else "Tape 18".
    void accept() override;
    // The panel has no cancel: Escape and closing the window leave it open.
    void reject() override;

private:
    std::unique_ptr<Ui::MediumDialog> ui_;
    QString mediaName_;
    bool userChose_ = false;
};
