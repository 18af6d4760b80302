#include "app/marriage_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/page_view.h"
#include "app/widgets.h"
#include "core/marriage/marriage_fill.h"
#include "core/marriage/tab_handlers.h"
#include "qt/platform/qt_text.h"

namespace omenary::app {

namespace {

using marriage::Parent;
using marriage::Person;
using qt::ToQString;
using qt::ToStdString;

struct YearDesign {
    Person person;
    const char* label;
    const char* caption;
    QPoint labelAt;
    const char* list;
    int top;
    // The glyphs and the name in the pair panel.
    const char* stem;
    const char* branch;
    const char* name;
    int panelTop;
    // The separator and the name sit at their own offsets in each row, as designed.
    const char* slash;
    QPoint slashAt;
    QPoint nameAt;
};

constexpr YearDesign kYears[] = {
    {Person::Groom,
     "LabelYearBoy", "ปีเกิด    เจ้าบ่าว",
     {8, 97},
     "ComboBoxYearBoy",  94,
     "ImageYearBoy1",  "Imageyearboy2",
     "LabelnameYearBoy",  6,
     "LabelSlashYearBoy",  {23, 8},
     {51, 8} },
    {Person::Bride,
     "LabelYearGirl",                          "เจ้าสาว",
     {47, 121},
     "ComboBoxYearGirl", 119,
     "Imageyeargirl1", "Imageyeargirl2",
     "Labelnameyeargirl", 31,
     "LabelSlashYearGirl", {23, 34},
     {51, 32}},
};

struct ParentDesign {
    Parent parent;
    const char* label;
    const char* caption;
    QPoint labelAt;
    const char* list;
    int top;
};

constexpr ParentDesign kParentRows[] = {
    {Parent::GroomFather,  "LabelPorYearBoy", "พ่อ เจ้าบ่าว", {29, 186},  "ComboBoxPorYearBoy", 184},
    {Parent::GroomMother,   "LabelMaYearBoy", "แม่ เจ้าบ่าว", {28, 210},   "ComboBoxMaYearBoy", 208},
    {Parent::BrideFather, "LabelPorYearGirl",    "พ่อ เจ้าสาว", {30, 250}, "ComboBoxPorYearGirl", 248},
    {Parent::BrideMother,  "LabelMaYearGirl",    "แม่ เจ้าสาว", {29, 274},  "ComboBoxMaYearGirl", 272},
};

constexpr QSize kGlyph(19, 17);

QLabel* MakeGlyph(QWidget* panel, const char* name, QPoint at) {
    auto* glyph = Make<QLabel>(panel, name);
    glyph->setGeometry(QRect(at, kGlyph));
    glyph->setScaledContents(true);
    return glyph;
}

}  // namespace

MarriageTab::MarriageTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet) : Tab(logic, inputs, sheet) {
    BuildYears();
    BuildParents();
    pagePreview_ = BuildPagePreview("CheckBoxPagePreview2", QRect(10, 351, 96, 20),
                                    logic_.marriage.CheckBoxPagePreview2);
    QPushButton* calculate = MakeButton(sheet_, "ButtonCalcOmenaryMarry", QStringLiteral("คำนวณฤกษ์"),
                                        QStringLiteral("Calculate"), QRect(109, 347, 75, 25));
    inputs_.OnClick(calculate, Inputs::Click::LeavesInput, [this] { ButtonCalcOmenaryMarryClick(); });
    QPushButton* close = BuildCloseButton("ButtonOmenaryMarryClose", QRect(184, 347, 75, 25));
    ChainTabOrder({pagePreview_, calculate, close, years_[0], years_[1], parents_[0], parents_[1],
                   parents_[2], parents_[3]});
}

void MarriageTab::BuildYears() {
    auto* panel = Make<QFrame>(sheet_, "PanelRasriYear");
    panel->setGeometry(173, 90, 88, 54);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    marriage::MarriageValues& values = logic_.marriage;
    for (std::size_t i = 0; i < years_.size(); ++i) {
        const YearDesign& design = kYears[i];
        const marriage::BirthYearFields fields = marriage::FieldsOf(design.person);
        MakeTextAt(sheet_, design.label, QString::fromUtf8(design.caption), design.labelAt);
        QComboBox* list =
            MakeList(sheet_, design.list, QStringLiteral("ปี พ.ศ."), QRect(90, design.top, 78, 22));
        years_[i] = list;
        // Choosing an item updates the pair at once; leaving the list checks the text first. Qt also
        // reports a typed item as chosen when the list loses the focus, to another control or to
        // another window: that is no choice, and only the leave counts.
        connect(list, &QComboBox::activated, this, [this, list, fields, person = design.person] {
            if (!list->hasFocus()) return;
            logic_.marriage.*fields.ComboBoxYear = ToStdString(list->currentText());
            marriage::BirthYearUpdate(logic_.marriage, person, logic_.Env().pictures, logic_.Env().messages);
            ShowValues();
        });
        inputs_.Watch(list, [this, list, fields, person = design.person, &values] {
            values.*fields.ComboBoxYear = ToStdString(list->currentText());
            return marriage::ComboBoxYearExit(values, person, logic_.shell.yearItems, logic_.Env().pictures,
                                              logic_.Env().messages);
        });
        pairs_[i].stem = MakeGlyph(panel, design.stem, {5, design.panelTop});
        MakeTextAt(panel, design.slash, QStringLiteral("/"), design.slashAt);
        pairs_[i].branch = MakeGlyph(panel, design.branch, {28, design.panelTop});
        pairs_[i].name = MakeLabel(panel, design.name, {}, QRect(design.nameAt, QSize(36, 16)));
    }
    QLabel* note = MakeTextAt(sheet_, "Label14", QStringLiteral("ดูปีนักษัตรเป็นหลัก"), {172, 145});
    note->setStyleSheet(QStringLiteral("color: gray"));
}

void MarriageTab::BuildParents() {
    QLabel* living =
        MakeTextAt(sheet_, "Label15", QStringLiteral("เฉพาะผู้มีชีวิตอยู่ หากเสียชีวิตแล้วไม่ต้องกรอก"), {8, 164});
    living->setStyleSheet(QStringLiteral("color: dimgray"));
    for (std::size_t i = 0; i < parents_.size(); ++i) {
        const ParentDesign& design = kParentRows[i];
        MakeTextAt(sheet_, design.label, QString::fromUtf8(design.caption), design.labelAt);
        QComboBox* list =
            MakeList(sheet_, design.list, QStringLiteral("ปีนักษัตร"), QRect(90, design.top, 120, 22));
        FillList(list, marriage::ParentItems());
        parents_[i] = list;
        const marriage::ParentFields fields = marriage::FieldsOf(design.parent);
        inputs_.Watch(list, [this, list, fields, parent = design.parent] {
            logic_.marriage.*fields.list = ToStdString(list->currentText());
            return marriage::ComboBoxParentExit(logic_.marriage, parent);
        });
    }
}

void MarriageTab::ButtonCalcOmenaryMarryClick() {
    if (forms_ == nullptr) return;
    WindowPageView view(sheet_->window(), logic_.Env().messages, "omenary-marriage");
    marriage::ButtonCalcOmenaryMarryClick(logic_.marriage, forms_->FormPrintMarryOmenary,
                                          logic_.Env().clock.Today(), logic_.Env().pictures,
                                          logic_.Env().messages, view);
}

void MarriageTab::ShowValues() {
    const marriage::MarriageValues& values = logic_.marriage;
    if (!yearListsFilled_ && !logic_.shell.yearItems.empty()) {
        for (QComboBox* list : years_)
            FillList(list, logic_.shell.yearItems);
        yearListsFilled_ = true;
    }
    for (std::size_t i = 0; i < years_.size(); ++i) {
        const marriage::BirthYearFields fields = marriage::FieldsOf(kYears[i].person);
        inputs_.Show(years_[i], values.*fields.ComboBoxYear);
        ShowPicture(pairs_[i].stem, values.*fields.stemPicture);
        pairs_[i].stem->setToolTip(ToQString(values.*fields.stemHint));
        ShowPicture(pairs_[i].branch, values.*fields.branchPicture);
        pairs_[i].branch->setToolTip(ToQString(values.*fields.branchHint));
        pairs_[i].name->setText(ToQString(values.*fields.name));
    }
    for (std::size_t i = 0; i < parents_.size(); ++i)
        inputs_.Show(parents_[i], values.*marriage::FieldsOf(kParentRows[i].parent).list);
    pagePreview_->setChecked(values.CheckBoxPagePreview2);
}

}  // namespace omenary::app
