#include "message_box.h"

#include "text.h"

namespace quorvin::ui::qt {

namespace {

QMessageBox::Icon toQtIcon(ui::MessageIcon icon) {
    switch (icon) {
        case ui::MessageIcon::None:
            return QMessageBox::NoIcon;
        case ui::MessageIcon::Information:
            return QMessageBox::Information;
        case ui::MessageIcon::Warning:
            return QMessageBox::Warning;
        case ui::MessageIcon::Error:
            return QMessageBox::Critical;
        case ui::MessageIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const std::string& text, const std::string& caption,
                                            ui::MessageIcon icon, ui::MessageButtons buttons) {
    auto box = std::make_unique<QMessageBox>();
    box->setWindowTitle(toQt(caption));
    box->setTextFormat(Qt::PlainText);
    box->setText(toQt(text));
    box->setIcon(toQtIcon(icon));
    switch (buttons) {
        case ui::MessageButtons::Ok:
            box->setStandardButtons(QMessageBox::Ok);
            box->setDefaultButton(QMessageBox::Ok);
            break;
        case ui::MessageButtons::OkCancel:
            box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box->setDefaultButton(QMessageBox::Ok);
            box->setEscapeButton(QMessageBox::Cancel);
            break;
        case ui::MessageButtons::YesNo:
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box->setDefaultButton(QMessageBox::Yes);
            box->setEscapeButton(QMessageBox::No);
            break;
    }
    return box;
}

ui::MessageAnswer toAnswer(QMessageBox::StandardButton button, ui::MessageButtons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return ui::MessageAnswer::Ok;
        case QMessageBox::Cancel:
            return ui::MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return ui::MessageAnswer::Yes;
        case QMessageBox::No:
            return ui::MessageAnswer::No;
        default:
            break;
    }
    switch (buttons) {
        case ui::MessageButtons::Ok:
            return ui::MessageAnswer::Ok;
        case ui::MessageButtons::OkCancel:
            return ui::MessageAnswer::Cancel;
        case ui::MessageButtons::YesNo:
            return ui::MessageAnswer::No;
    }
    return ui::MessageAnswer::Ok;
}

}  // namespace quorvin::ui::qt
