#include "app/general_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/page_view.h"
#include "app/widgets.h"
#include "core/general/general_fill.h"
#include "core/general/tab_handlers.h"
#include "qt/platform/picture_files.h"
#include "qt/platform/qt_text.h"

namespace omenary::app {

namespace {

using general::Aspect;
using qt::ToQString;
using qt::ToStdString;

// The controls of one direction's row, named as the window's design names them.
struct AspectRowDesign {
    const char* label;
    const char* caption;
    const char* edit;
    const char* plus;
    const char* minus;
    const char* step;
};

constexpr AspectRowDesign kAspectRows[] = {
    {"Labelaspectofbackhome", "ทิศหลังบ้าน", "Editaspectbackofhome", "SpeedButtonIaspectbackofhome",
     "SpeedButtonDaspectbackofhome", "SpeedButtonDeffaspectbackofhome"},
    { "Labelaspectprominent",       "ทิศประธาน",  "Editaspectprominent",  "SpeedButtonIaspectprominent",
     "SpeedButtonDaspectprominent",  "SpeedButtonDeffaspectprominent" },
    {   "Labelaspectperform", "ทิศกระทำการ",    "Editaspectperform",    "SpeedButtonlaspectperform",
     "SpeedButtonDaspectperform",    "SpeedButtonDeffaspectperform"   },
};

constexpr int kTitleBandHeight = 81;
constexpr int kRowHeight = 22;

}  // namespace

GeneralTab::GeneralTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet) : Tab(logic, inputs, sheet) {
    int y = kTitleBandHeight + 8;
    BuildAspectRows(y);
    BuildPersonsAndYear(y);

    pagePreview_ = BuildPagePreview("CheckBoxPagePreview1", QRect(6, y + 2, 96, 20),
                                    logic_.general.CheckBoxPagePreview1);
    calculate_ = MakeButton(sheet_, "Buttoncalculateomenary", QStringLiteral("คำนวณฤกษ์"),
                            QStringLiteral("Calculate"), QRect(104, y, 84, 26));
    inputs_.OnClick(calculate_, Inputs::Click::LeavesInput, [this] { ButtoncalculateomenaryClick(); });
    QPushButton* close = BuildCloseButton("ButtonClose", QRect(194, y, 78, 26));

    ChainTabOrder({aspectRows_[0].edit, aspectRows_[1].edit, aspectRows_[2].edit, person1_, person2_,
                   yearOfWork_, pagePreview_, calculate_, close});
    // The first input in tab order has the keyboard focus when the window first shows.
    aspectRows_[0].edit->setFocus(Qt::OtherFocusReason);
}

void GeneralTab::BuildAspectRows(int& y) {
    const QString degreeHint = QStringLiteral("0 - 359.9");
    for (std::size_t i = 0; i < aspectRows_.size(); ++i) {
        const AspectRowDesign& design = kAspectRows[i];
        const Aspect aspect = general::kAspects[i];
        MakeLabel(sheet_, design.label, QString::fromUtf8(design.caption), QRect(6, y + 2, 70, 18))
            ->setToolTip(degreeHint);
        AspectRow& row = aspectRows_[i];
        row.edit = Make<QLineEdit>(sheet_, design.edit, degreeHint);
        row.edit->setGeometry(78, y, 56, kRowHeight);
        inputs_.Watch(row.edit, [this, aspect] { return EditaspectExit(aspect); });
        QToolButton* plus = MakeSpeedButton(sheet_, design.plus, QStringLiteral("+"),
                                            QStringLiteral("บวกองศา"), QRect(136, y, 20, kRowHeight));
        QToolButton* minus = MakeSpeedButton(sheet_, design.minus, QStringLiteral("-"),
                                             QStringLiteral("ลบองศา"), QRect(157, y, 20, kRowHeight));
        row.step = MakeSpeedButton(sheet_, design.step, {}, QStringLiteral("จำนวนองศาที่ +/-"),
                                   QRect(179, y, 30, kRowHeight));
        inputs_.OnClick(plus, Inputs::Click::MovesFocus, [this, aspect] { StepClick(aspect, true); });
        inputs_.OnClick(minus, Inputs::Click::MovesFocus, [this, aspect] { StepClick(aspect, false); });
        inputs_.OnClick(row.step, Inputs::Click::LeavesInput,
                        [this, aspect] { general::SpeedButtonDeffClick(logic_.general, aspect); });
        if (i == 0) {
            MakeLabel(sheet_, "Label4", QStringLiteral("( 0 - 359.9 )"), QRect(212, y + 2, 70, 18))
                ->setToolTip(QStringLiteral("0 องศา = 360 องศา"));
        }
        y += kRowHeight + 6;
    }
}

void GeneralTab::BuildPersonsAndYear(int& y) {
    y += 4;
    QLabel* heading =
        MakeLabel(sheet_, "Labelyearofbornact", QStringLiteral("ปีเกิดผู้ประกอบพิธี"), QRect(6, y, 200, 18));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    y += 22;

    general::GeneralValues& values = logic_.general;
    const QString zodiacHint = QStringLiteral("ปีนักษัตร");
    MakeLabel(sheet_, "Labelperson1", QStringLiteral("บุคคลที่ 1"), QRect(6, y + 2, 70, 18));
    person1_ = MakeList(sheet_, "ComboBoxperson1", zodiacHint, QRect(78, y, 120, kRowHeight));
    FillList(person1_, general::Person1Items());
    inputs_.Watch(person1_, [this, &values] {
        values.ComboBoxperson1 = ToStdString(person1_->currentText());
        return general::ComboBoxperson1Exit(values);
    });
    y += kRowHeight + 6;
    MakeLabel(sheet_, "Labelperson2", QStringLiteral("บุคคลที่ 2"), QRect(6, y + 2, 70, 18));
    person2_ = MakeList(sheet_, "ComboBoxperson2", zodiacHint, QRect(78, y, 120, kRowHeight));
    FillList(person2_, general::Person2Items());
    inputs_.Watch(person2_, [this, &values] {
        values.ComboBoxperson2 = ToStdString(person2_->currentText());
        return general::ComboBoxperson2Exit(values);
    });
    y += kRowHeight + 10;
    MakeLabel(sheet_, "LabelYearProcess", QStringLiteral("ปีที่ดำเนินการ"), QRect(6, y + 2, 70, 18));
    yearOfWork_ =
        MakeList(sheet_, "ComboBoxBudhaYearProcess", QStringLiteral("ปี พ.ศ."), QRect(78, y, 80, kRowHeight));
    inputs_.Watch(yearOfWork_, [this, &values] {
        values.ComboBoxBudhaYearProcess = ToStdString(yearOfWork_->currentText());
        return general::YearOfWorkUpdate(values, logic_.shell.yearItems, logic_.Env().messages);
    });
    y += kRowHeight + 14;
}

Leave GeneralTab::EditaspectExit(Aspect aspect) {
    logic_.general[aspect].Editaspect =
        ToStdString(aspectRows_[static_cast<std::size_t>(aspect)].edit->text());
    return general::EditaspectExit(logic_.general, aspect);
}

void GeneralTab::StepClick(Aspect aspect, bool up) {
    QLineEdit* edit = aspectRows_[static_cast<std::size_t>(aspect)].edit;
    if (!inputs_.MoveFocusTo(edit)) return;
    logic_.general[aspect].Editaspect = ToStdString(edit->text());
    general::SpeedButtonStepClick(logic_.general, aspect, up, logic_.Env().messages);
}

void GeneralTab::ButtoncalculateomenaryClick() {
    if (forms_ == nullptr) return;
    WindowPageView view(sheet_->window(), logic_.Env().messages, "omenary-general");
    general::ButtoncalculateomenaryClick(logic_.general, forms_->FormPrintOmenary, logic_.Env().clock.Today(),
                                         qt::QtPictureFiles(logic_.Env().workingDirectory),
                                         logic_.Env().messages, view);
}

void GeneralTab::ShowValues() {
    const general::GeneralValues& values = logic_.general;
    if (!yearListFilled_ && !logic_.shell.yearItems.empty()) {
        FillList(yearOfWork_, logic_.shell.yearItems);
        yearListFilled_ = true;
    }
    for (std::size_t i = 0; i < aspectRows_.size(); ++i) {
        inputs_.Show(aspectRows_[i].edit, values.aspects[i].Editaspect);
        aspectRows_[i].step->setText(ToQString(values.aspects[i].SpeedButtonDeffaspect));
    }
    inputs_.Show(person1_, values.ComboBoxperson1);
    inputs_.Show(person2_, values.ComboBoxperson2);
    inputs_.Show(yearOfWork_, values.ComboBoxBudhaYearProcess);
    pagePreview_->setChecked(values.CheckBoxPagePreview1);
    calculate_->setEnabled(values.Buttoncalculateomenary);
}

}  // namespace omenary::app
