#include "app/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "qt/platform/qt_text.h"

namespace omenary::app {

namespace {

template <typename Control>
Control* MakeCaptioned(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                       QRect geometry) {
    auto* control = Make<Control>(parent, name, hint);
    control->setText(caption);
    control->setGeometry(geometry);
    return control;
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return MakeCaptioned<QLabel>(parent, name, caption, {}, geometry);
}

QLabel* MakeTextAt(QWidget* parent, const char* name, const QString& caption, QPoint at) {
    QLabel* label = MakeLabel(parent, name, caption, QRect(at, QSize(10, 16)));
    label->adjustSize();
    return label;
}

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                             QRect geometry) {
    auto* button = MakeCaptioned<QToolButton>(parent, name, caption, hint, geometry);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QComboBox* MakeList(QWidget* parent, const char* name, const QString& hint, QRect geometry) {
    auto* list = Make<QComboBox>(parent, name, hint);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // A list takes exactly one of its items as typed; completing "2" to "20" would take another.
    list->setCompleter(nullptr);
    list->setMaxVisibleItems(12);
    list->setGeometry(geometry);
    return list;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                        QRect geometry) {
    return MakeCaptioned<QPushButton>(parent, name, caption, hint, geometry);
}

void FillList(QComboBox* list, const std::vector<std::string>& items) {
    const QString text = list->currentText();
    list->clear();
    for (const std::string& item : items)
        list->addItem(qt::ToQString(item));
    list->setEditText(text);
}

void ChainTabOrder(std::span<QWidget* const> controls) {
    QWidget* previous = nullptr;
    for (QWidget* next : controls) {
        if (previous != nullptr) QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

}  // namespace omenary::app
