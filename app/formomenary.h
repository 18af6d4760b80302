// The main window: one page control with the program's four tabs, each its own class. The window
// runs the activation and the close, builds what the tabs share (title bands, notice labels) and
// shows the values after every event; it decides nothing itself.
#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

#include <array>

#include "app/report_forms.h"
#include "core/platform/shell_open.h"
#include "core/shell/omenary.h"

class QLabel;
class QTabWidget;

namespace omenary::app {

class Inputs;
class Tab;

class TFormomenary : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 286;
    static constexpr int kHeight = 454;

    // Text notes open through `desktop`; without one, through the desktop's own handler.
    explicit TFormomenary(shell::Omenary& logic, platform::ShellOpen* desktop = nullptr);
    ~TFormomenary() override;

    QTabWidget* PageControlOmenary() const { return pageControl_; }
    // The report forms, created after this window; the tabs' buttons fill and output them.
    void AttachReportForms(ReportForms& forms);
    // True once the first start failed and the window closed because of it.
    bool StartFailed() const { return startFailed_; }

  protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildTitleBand(QWidget* sheet, const QString& line1, const QString& line2);
    QLabel* BuildNotice(QWidget* sheet, const char* name);
    void FormActivate();
    void ShowValues();

    shell::Omenary& logic_;
    QTabWidget* pageControl_;
    Inputs* inputs_;
    std::array<Tab*, 4> tabs_{};
    std::array<QLabel*, 3> notices_{};
    int shownTab_ = 0;
    bool placedInFrame_ = false;
    bool activating_ = false;
    bool startFailed_ = false;
};

// Sizes the main window to the free area of a screen and centres it there, frame included; on a
// screen too small for it (a large scale on a small screen) the window is smaller and its pages scroll.
void PlaceOnScreen(QWidget& window, QRect available, QMargins frame);
// The same on the screen the window will appear on.
void PlaceOnScreen(QWidget& window);

}  // namespace omenary::app
