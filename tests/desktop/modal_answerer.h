#pragma once

// Answers the modal dialogs that the code under test opens (they run their own event loop), and
// records what each message box showed.

#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace kalvenor::testing {

struct ShownMessageBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    bool hadParent = false;
    QStringList buttonTexts;  // as the buttons read, in the order of `buttons`
};

struct ShownFileDialog {
    QString title;
    QStringList nameFilters;
    QString selectedNameFilter;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    bool confirmsOverwrite = true;
};

class ModalAnswerer {
  public:
    ModalAnswerer();

    // Message boxes take these buttons in turn, then their default button.
    void queueButton(QMessageBox::StandardButton button) { buttons_.push_back(button); }
    // File dialogs take these paths in turn (an empty one cancels), then are cancelled.
    void queueFile(const QString& path) { files_.push_back(path); }
    // Called as each message box is found open, before it is answered.
    void whenABoxShows(std::function<void()> look) { lookAtBox_ = std::move(look); }

    const std::vector<ShownMessageBox>& messageBoxes() const { return messageBoxes_; }
    const std::vector<ShownFileDialog>& fileDialogs() const { return fileDialogs_; }

  private:
    void answer();

    QTimer timer_;
    std::deque<QMessageBox::StandardButton> buttons_;
    std::deque<QString> files_;
    std::function<void()> lookAtBox_;
    std::vector<ShownMessageBox> messageBoxes_;
    std::vector<ShownFileDialog> fileDialogs_;
};

}  // namespace kalvenor::testing
