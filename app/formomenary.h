// The main window: one page control with the program's four tabs. It forwards every event to the
// core's handlers and shows the working values they leave; it decides nothing itself.
#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "app/report_forms.h"
#include "core/general/tab_handlers.h"
#include "core/shell/omenary.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace omenary::app {

class TFormomenary : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 286;
    static constexpr int kHeight = 454;

    explicit TFormomenary(shell::Omenary& logic, QWidget* parent = nullptr);

    QTabWidget* PageControlOmenary() const { return pageControl_; }
    // The report forms, created after this window; the calculate buttons fill and output them.
    void AttachReportForms(ReportForms& forms) { forms_ = &forms; }
    // True once the first start failed and the window closed because of it.
    bool StartFailed() const { return startFailed_; }

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct AspectRow {
        QLineEdit* edit = nullptr;
        QToolButton* plus = nullptr;
        QToolButton* minus = nullptr;
        QToolButton* step = nullptr;
    };

    void BuildGeneralTab(QWidget* page);
    void BuildMarriageTab(QWidget* page);
    void BuildCoinTab(QWidget* page);
    QWidget* BuildTitleBand(QWidget* page, const QString& line1, const QString& line2);
    QLabel* BuildNotice(QWidget* page, const char* name);
    QPushButton* BuildCloseButton(QWidget* page, const char* name);

    // An input whose leaving the core judges.
    void Watch(QWidget* input);
    void FormActivate();
    // Leaving an input: the widget's text goes to the working values, the core judges it, and a
    // refused input gets the focus back.
    general::Leave LeaveInput(QWidget* input);
    void CalculateClick();
    void StepClick(general::Aspect aspect, bool up);
    void StepSizeClick(general::Aspect aspect);
    void ShowValues();

    shell::Omenary& logic_;
    ReportForms* forms_ = nullptr;
    QTabWidget* pageControl_;
    std::array<AspectRow, 3> aspectRows_;
    std::vector<QWidget*> inputs_;
    QComboBox* person1_ = nullptr;
    QComboBox* person2_ = nullptr;
    QComboBox* yearOfWork_ = nullptr;
    QCheckBox* pagePreview_ = nullptr;
    QPushButton* calculate_ = nullptr;
    std::array<QLabel*, 3> notices_{};
    QWidget* refocusing_ = nullptr;  // a refused input on its way back to the focus
    bool activating_ = false;
    bool startFailed_ = false;
    bool yearListsFilled_ = false;
};

// Centres a window on the screen it will appear on.
void CentreOnScreen(QWidget& window);

}  // namespace omenary::app
