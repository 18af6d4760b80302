#include "app/inputs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

#include "qt/platform/qt_text.h"

namespace omenary::app {

namespace {

QString TextOf(QWidget* input) {
    if (auto* edit = qobject_cast<QLineEdit*>(input)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(input)) return list->currentText();
    return {};
}

}  // namespace

void Inputs::Watch(QWidget* input, LeaveHandler leave) {
    input->installEventFilter(this);
    inputs_[input] = std::move(leave);
    connect(input, &QObject::destroyed, this, [this, input] {
        inputs_.erase(input);
        shown_.erase(input);
        judged_.erase(input);
        if (refocusing_ == input) refocusing_ = nullptr;
    });
}

bool Inputs::ShownChanged(QWidget* input, const QString& value) {
    const auto [shown, first] = shown_.try_emplace(input, value);
    if (first) return true;
    if (shown->second == value) return false;
    shown->second = value;
    return true;
}

void Inputs::Show(QLineEdit* edit, const std::string& value) {
    const QString text = qt::ToQString(value);
    if (!ShownChanged(edit, text)) return;
    if (edit->text() != text) edit->setText(text);
    judged_[edit] = text;
}

void Inputs::Show(QComboBox* list, const std::string& value) {
    const QString text = qt::ToQString(value);
    if (!ShownChanged(list, text)) return;
    if (list->currentText() != text) list->setEditText(text);
    judged_[list] = text;
}

bool Inputs::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window is a leave; losing the focus to another
        // window or to a list's own drop-down is not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason)
            Leave(static_cast<QWidget*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

bool Inputs::Leave(QWidget* input) {
    // While a refused input takes its focus back, the focus only passes through other inputs: the
    // user never left them.
    if (refocusing_ != nullptr) return input != refocusing_;
    const auto found = inputs_.find(input);
    if (found == inputs_.end()) return true;
    const QString text = TextOf(input);
    const bool accepted = found->second() == omenary::Leave::Accepted;
    if (accepted) judged_[input] = text;
    refresh_();
    if (accepted) return true;
    // Back into the refused input once Qt has finished moving the focus away.
    refocusing_ = input;
    QTimer::singleShot(0, input, [this, input] {
        input->setFocus(Qt::OtherFocusReason);
        refocusing_ = nullptr;
    });
    return false;
}

bool Inputs::LeaveInPlace(QWidget* input) {
    const auto judged = judged_.find(input);
    if (judged != judged_.end() && judged->second == TextOf(input)) return true;
    return Leave(input);
}

bool Inputs::MoveFocusTo(QWidget* input) {
    if (refocusing_ != nullptr) return false;
    input->setFocus(Qt::OtherFocusReason);
    return refocusing_ == nullptr;
}

void Inputs::OnClick(QAbstractButton* button, Click kind, std::function<void()> click) {
    connect(button, &QAbstractButton::clicked, this, [this, kind, click = std::move(click)] {
        // A check box has already toggled itself; showing the working values again undoes that.
        if (refocusing_ != nullptr) {
            refresh_();
            return;
        }
        // A button may be pressed without taking the focus (by a shortcut, or one that never takes
        // it); the input that still has the focus is then left here, as a move of the focus would.
        if (kind == Click::LeavesInput) {
            QWidget* focused = QApplication::focusWidget();
            if (inputs_.contains(focused) && !LeaveInPlace(focused)) return;
        }
        click();
        refresh_();
    });
}

}  // namespace omenary::app
