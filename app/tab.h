// What every tab of the main window shares: the program's logic, the window's inputs, the sheet it
// builds its controls on and the report forms its buttons fill.
#pragma once

#include <QObject>
#include <QRect>
#include <QWidget>

#include <string>
#include <unordered_map>

#include "app/inputs.h"
#include "app/report_forms.h"
#include "core/shell/omenary.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace omenary::app {

class Tab : public QObject {
    Q_OBJECT

  public:
    Tab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet)
        : QObject(sheet), logic_(logic), inputs_(inputs), sheet_(sheet) {}

    // The report forms, created after the window.
    void AttachReportForms(ReportForms& forms) { forms_ = &forms; }

    // Shows the working values the core left; called after every event of the window.
    virtual void ShowValues() {}

  protected:
    // The tab's "ออก" button: closes the main window like its close box.
    QPushButton* BuildCloseButton(const char* name, QRect geometry);

    // The tab's "Page Preview" box: ticked, its button previews the page, else prints it.
    QCheckBox* BuildPagePreview(const char* name, QRect geometry, bool& ticked);

    // Shows the picture file the core named (looked up in the working directory ignoring letter
    // case); a name not yet shown is loaded, an empty or missing one leaves the slot blank. Glyphs
    // drawn on white show the panel behind them through the white.
    void ShowPicture(QLabel* slot, const std::string& name, bool whiteIsTransparent = false);
    // The same for a picture only the window loads: one that does not load is reported, once each
    // time the slot is to show it.
    void ShowPictureOrReport(QLabel* slot, const std::string& name);

    shell::Omenary& logic_;
    Inputs& inputs_;
    QWidget* sheet_;
    ReportForms* forms_ = nullptr;

  private:
    std::unordered_map<QLabel*, std::string> pictures_;  // the name each slot shows
};

}  // namespace omenary::app
