// The main window: one page control with the four tabs of the program.
#pragma once

#include <QWidget>

class QTabWidget;

namespace omenary::app {

class TFormomenary : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 286;
    static constexpr int kHeight = 454;

    explicit TFormomenary(QWidget* parent = nullptr);

    QTabWidget* PageControlOmenary() const { return pageControl_; }

  private:
    QTabWidget* pageControl_;
};

// Centres a window on the screen it will appear on.
void CentreOnScreen(QWidget& window);

}  // namespace omenary::app
