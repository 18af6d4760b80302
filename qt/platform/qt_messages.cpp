#include "qt/platform/qt_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "qt/platform/qt_text.h"

namespace omenary::qt {

namespace {

QMessageBox::Icon IconOf(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Error:
            return QMessageBox::Critical;
        case platform::MessageIcon::Warning:
            return QMessageBox::Warning;
        case platform::MessageIcon::Question:
            return QMessageBox::Question;
        case platform::MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

void QtMessages::Show(platform::MessageIcon icon, std::string_view text) {
    QMessageBox box(IconOf(icon), QApplication::applicationName(), ToQString(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtMessages::Ask(std::string_view text) {
    return Question(text, false);
}

bool QtMessages::Confirm(std::string_view text) {
    return Question(text, true);
}

bool QtMessages::Question(std::string_view text, bool cancelShown) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), ToQString(text), QMessageBox::Ok,
                    parent_);
    // Escape and the close box press the cancel button; where it is not shown only OK answers, and
    // closing the box gives up.
    QPushButton* cancel = box.addButton(QStringLiteral("ยกเลิก"), QMessageBox::RejectRole);
    cancel->setVisible(cancelShown);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok);
}

void QtMessages::Beep() {
    QApplication::beep();
}

}  // namespace omenary::qt
