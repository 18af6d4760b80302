// Making the window's controls the way its design names and places them.
#pragma once

#include <QString>

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QPoint;
class QRect;
class QToolButton;
class QWidget;

namespace omenary::app {

// A control named as the design names it, with its hint as tool tip.
template <typename Widget>
Widget* Make(QWidget* parent, const char* name, const QString& hint = {}) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) widget->setToolTip(hint);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry);

// A label as wide as its caption, its top-left corner where the layout places it.
QLabel* MakeTextAt(QWidget* parent, const char* name, const QString& caption, QPoint at);

// A small button that never takes the focus: the input of its row keeps it.
QToolButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                             QRect geometry);

// An editable drop-down list whose text the user may also type; nothing completes what is typed.
QComboBox* MakeList(QWidget* parent, const char* name, const QString& hint, QRect geometry);

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                        QRect geometry);

// Replaces the items, keeping the text the list shows.
void FillList(QComboBox* list, const std::vector<std::string>& items);

// The tab order of the controls as listed.
void ChainTabOrder(std::span<QWidget* const> controls);
inline void ChainTabOrder(std::initializer_list<QWidget*> controls) {
    ChainTabOrder(std::span(controls.begin(), controls.size()));
}

}  // namespace omenary::app
