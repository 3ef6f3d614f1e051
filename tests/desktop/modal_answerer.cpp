#include "desktop/modal_answerer.h"

#include <QApplication>
#include <QPushButton>

namespace kalvenor::testing {

ModalAnswerer::ModalAnswerer() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
}

void ModalAnswerer::answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        ShownMessageBox shown{
            box->windowTitle(), box->text(), box->icon(), {}, box->parentWidget() != nullptr, {}};
        for (QAbstractButton* button : box->buttons()) {
            shown.buttons.append(box->standardButton(button));
            shown.buttonTexts.append(button->text());
        }
        messageBoxes_.push_back(shown);
        if (lookAtBox_) {
            lookAtBox_();
        }
        QAbstractButton* chosen = box->defaultButton();
        if (!buttons_.empty()) {
            chosen = box->button(buttons_.front());
            buttons_.pop_front();
        }
        if (chosen != nullptr) {
            chosen->click();
        } else {
            box->close();
        }
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        fileDialogs_.push_back({dialog->windowTitle(), dialog->nameFilters(), dialog->selectedNameFilter(),
                                dialog->acceptMode(),
                                !dialog->testOption(QFileDialog::DontConfirmOverwrite)});
        const QString path = files_.empty() ? QString() : files_.front();
        if (!files_.empty()) {
            files_.pop_front();
        }
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");  // the file dialog's accept() is not public
        }
    }
}

}  // namespace kalvenor::testing
