// The window's inputs: the core judges an input when the focus leaves it, a refused input gets the
// focus back, and the values the core leaves are shown without ever overwriting what the user has
// typed or chosen and not yet left. Every tab goes through this one place.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <unordered_map>

#include "core/common/leave.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

namespace omenary::app {

class Inputs : public QObject {
    Q_OBJECT

  public:
    // Takes the input's text into the working values and judges it.
    using LeaveHandler = std::function<omenary::Leave()>;

    enum class Click {
        // The input that has the focus is left first, whether the button took the focus from it or
        // not (a speed button judges it where it stands); a refused input stops the click.
        LeavesInput,
        // The click itself moves the focus into the input it changes.
        MovesFocus,
    };

    // `refresh` shows the working values anew; it runs after every leave and every click.
    Inputs(std::function<void()> refresh, QObject* parent) : QObject(parent), refresh_(std::move(refresh)) {}

    void Watch(QWidget* input, LeaveHandler leave);

    // Shows the core's value in an input only when the core changed it since it was last shown. An
    // activation, a message box or a click that refreshes the window therefore never undoes what
    // the user typed and has not yet left.
    void Show(QLineEdit* edit, const std::string& value);
    void Show(QComboBox* list, const std::string& value);

    // Runs the click only when no refused input is waiting for the focus: a click that arrives while
    // one is on its way back does nothing, however fast the press and release came. What the click
    // computes is therefore always what the inputs show.
    void OnClick(QAbstractButton* button, Click kind, std::function<void()> click);

    // Moves the focus into the input, leaving the one that had it; false when that one was refused.
    bool MoveFocusTo(QWidget* input);

    // True while a refused input is on its way back to the focus.
    bool RefusalPending() const { return refocusing_ != nullptr; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Leave(QWidget* input);
    // Judges the focused input where it stands, unless it shows what was last judged or shown.
    bool LeaveInPlace(QWidget* input);
    bool ShownChanged(QWidget* input, const QString& value);

    std::function<void()> refresh_;
    std::unordered_map<QWidget*, LeaveHandler> inputs_;
    std::unordered_map<QWidget*, QString> shown_;
    std::unordered_map<QWidget*, QString> judged_;  // the text the core last accepted or showed
    QWidget* refocusing_ = nullptr;
};

}  // namespace omenary::app
