#include "app/formomenary.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/application.h"
#include "core/general/general_fill.h"
#include "core/general/tab_handlers.h"
#include "qt/platform/picture_files.h"
#include "qt/platform/qt_text.h"
#include "qt/report/page_output.h"

namespace omenary::app {

namespace {

using general::Aspect;
using qt::ToQString;
using qt::ToStdString;

struct TabSheet {
    const char* name;
    const char* caption;
};

constexpr TabSheet kTabSheets[] = {
    {    "TabSheetOmenary1",                   " ฤกษ์ยาม "},
    {"TabSheetMarryOmenary",       " ฤกษ์แต่งงาน "},
    { "TabSheetOmenaryCoin", " ฤกษ์รับเหรียญ "},
    {     "TabSheetHistory",                                    " Extra"},
};

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

// The platform style pads tabs more than the original did; the captions already carry their blanks.
class CompactTabStyle : public QProxyStyle {
  public:
    explicit CompactTabStyle(QObject* owner) { setParent(owner); }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return metric == PM_TabBarTabHSpace ? 6 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, const QString& hint = {}) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) widget->setToolTip(hint);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* label = Make<QLabel>(parent, name);
    label->setText(caption);
    label->setGeometry(geometry);
    return label;
}

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                             QRect geometry) {
    auto* button = Make<QToolButton>(parent, name, hint);
    button->setText(caption);
    button->setGeometry(geometry);
    // Speed buttons never take the focus: the input of their row keeps it.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QComboBox* MakeList(QWidget* parent, const char* name, const QString& hint, QRect geometry) {
    auto* list = Make<QComboBox>(parent, name, hint);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(12);
    list->setGeometry(geometry);
    return list;
}

void SetTextIfChanged(QLineEdit* edit, const std::string& text) {
    const QString value = ToQString(text);
    if (edit->text() != value) edit->setText(value);
}

void SetTextIfChanged(QComboBox* list, const std::string& text) {
    const QString value = ToQString(text);
    if (list->currentText() != value) list->setEditText(value);
}

void FillList(QComboBox* list, const std::vector<std::string>& items) {
    const QString text = list->currentText();
    list->clear();
    for (const std::string& item : items)
        list->addItem(ToQString(item));
    list->setEditText(text);
}

// The hourglass and the page output of the calculate buttons, on this desktop.
class WindowCalculationView final : public general::CalculationView {
  public:
    WindowCalculationView(QWidget* window, platform::Messages& messages)
        : window_(window), messages_(messages) {}
    void ShowHourglass() override { QApplication::setOverrideCursor(Qt::WaitCursor); }
    void RestoreCursor() override { QApplication::restoreOverrideCursor(); }
    void Output(const report::Page& page, bool preview) override {
        if (preview) {
            qt::PreviewPage(page, window_, QStringLiteral("Page Preview"));
        } else {
            qt::PrintPage(page, messages_, window_, QApplication::applicationName());
        }
    }

  private:
    QWidget* window_;
    platform::Messages& messages_;
};

}  // namespace

TFormomenary::TFormomenary(shell::Omenary& logic, QWidget* parent)
    : QWidget(parent), logic_(logic), pageControl_(new QTabWidget(this)) {
    setObjectName("Formomenary");
    setWindowTitle(QString::fromUtf8(kMainWindowCaption));
    pageControl_->setObjectName("PageControlOmenary");
    for (const TabSheet& sheet : kTabSheets) {
        auto* page = new QWidget(pageControl_);
        page->setObjectName(sheet.name);
        pageControl_->addTab(page, QString::fromUtf8(sheet.caption));
    }
    pageControl_->setCurrentIndex(0);
    // Four Thai captions must share 286 pixels without scroll arrows, as they did in the original.
    pageControl_->tabBar()->setUsesScrollButtons(false);
    pageControl_->tabBar()->setElideMode(Qt::ElideNone);
    pageControl_->tabBar()->setStyle(new CompactTabStyle(pageControl_->tabBar()));

    BuildGeneralTab(pageControl_->widget(0));
    BuildMarriageTab(pageControl_->widget(1));
    BuildCoinTab(pageControl_->widget(2));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageControl_);
    setFixedSize(kWidth, kHeight);
    ShowValues();
}

QWidget* TFormomenary::BuildTitleBand(QWidget* page, const QString& line1, const QString& line2) {
    auto* band = new QFrame(page);
    band->setObjectName(page->objectName() + "TitleBand");
    band->setGeometry(0, 0, kWidth - 6, kTitleBandHeight);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x00, 0x00));
    palette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(palette);

    auto* logo = new QLabel(band);
    logo->setGeometry(6, 6, 69, 69);
    logo->setAlignment(Qt::AlignCenter);
    logo->setText(QStringLiteral("☯"));
    QFont symbol = logo->font();
    symbol.setPointSize(36);
    logo->setFont(symbol);

    auto* first = new QLabel(line1, band);
    first->setGeometry(82, 14, kWidth - 92, 28);
    QFont heading = first->font();
    heading.setPointSize(13);
    heading.setBold(true);
    first->setFont(heading);
    auto* second = new QLabel(line2, band);
    second->setGeometry(82, 44, kWidth - 92, 22);
    return band;
}

QLabel* TFormomenary::BuildNotice(QWidget* page, const char* name) {
    auto* notice = MakeLabel(page, name, {}, QRect(90, 398, kWidth - 100, 16));
    notice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont small = notice->font();
    small.setPointSize(7);
    notice->setFont(small);
    notice->setEnabled(false);
    return notice;
}

QPushButton* TFormomenary::BuildCloseButton(QWidget* page, const char* name) {
    auto* close = Make<QPushButton>(page, name, QStringLiteral("Exit"));
    close->setText(QStringLiteral("ออก"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return close;
}

void TFormomenary::BuildGeneralTab(QWidget* page) {
    BuildTitleBand(page, QStringLiteral("ฤกษ์ยาม"), QStringLiteral("ระบบธาตุแท้ / ธาตุจักรวาล"));

    const QString degreeHint = QStringLiteral("0 - 359.9");
    int y = kTitleBandHeight + 8;
    for (std::size_t i = 0; i < aspectRows_.size(); ++i) {
        const AspectRowDesign& design = kAspectRows[i];
        const Aspect aspect = general::kAspects[i];
        MakeLabel(page, design.label, QString::fromUtf8(design.caption), QRect(6, y + 2, 70, 18))
            ->setToolTip(degreeHint);
        AspectRow& row = aspectRows_[i];
        row.edit = Make<QLineEdit>(page, design.edit, degreeHint);
        row.edit->setGeometry(78, y, 56, kRowHeight);
        Watch(row.edit);
        row.plus = MakeSpeedButton(page, design.plus, QStringLiteral("+"), QStringLiteral("บวกองศา"),
                                   QRect(136, y, 20, kRowHeight));
        row.minus = MakeSpeedButton(page, design.minus, QStringLiteral("-"), QStringLiteral("ลบองศา"),
                                    QRect(157, y, 20, kRowHeight));
        row.step = MakeSpeedButton(page, design.step, {}, QStringLiteral("จำนวนองศาที่ +/-"),
                                   QRect(179, y, 30, kRowHeight));
        connect(row.plus, &QToolButton::clicked, this, [this, aspect] { StepClick(aspect, true); });
        connect(row.minus, &QToolButton::clicked, this, [this, aspect] { StepClick(aspect, false); });
        connect(row.step, &QToolButton::clicked, this, [this, aspect] { StepSizeClick(aspect); });
        if (i == 0) {
            MakeLabel(page, "Label4", QStringLiteral("( 0 - 359.9 )"), QRect(212, y + 2, 70, 18))
                ->setToolTip(QStringLiteral("0 องศา = 360 องศา"));
        }
        y += kRowHeight + 6;
    }

    y += 4;
    QLabel* heading =
        MakeLabel(page, "Labelyearofbornact", QStringLiteral("ปีเกิดผู้ประกอบพิธี"), QRect(6, y, 200, 18));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    y += 22;

    const QString zodiacHint = QStringLiteral("ปีนักษัตร");
    MakeLabel(page, "Labelperson1", QStringLiteral("บุคคลที่ 1"), QRect(6, y + 2, 70, 18));
    person1_ = MakeList(page, "ComboBoxperson1", zodiacHint, QRect(78, y, 120, kRowHeight));
    FillList(person1_, general::Person1Items());
    y += kRowHeight + 6;
    MakeLabel(page, "Labelperson2", QStringLiteral("บุคคลที่ 2"), QRect(6, y + 2, 70, 18));
    person2_ = MakeList(page, "ComboBoxperson2", zodiacHint, QRect(78, y, 120, kRowHeight));
    FillList(person2_, general::Person2Items());
    y += kRowHeight + 10;
    MakeLabel(page, "LabelYearProcess", QStringLiteral("ปีที่ดำเนินการ"), QRect(6, y + 2, 70, 18));
    yearOfWork_ =
        MakeList(page, "ComboBoxBudhaYearProcess", QStringLiteral("ปี พ.ศ."), QRect(78, y, 80, kRowHeight));
    for (QComboBox* list : {person1_, person2_, yearOfWork_})
        Watch(list);
    y += kRowHeight + 14;

    pagePreview_ = Make<QCheckBox>(page, "CheckBoxPagePreview1", QStringLiteral("ภาพก่อนพิมพ์"));
    pagePreview_->setText(QStringLiteral("Page Preview"));
    pagePreview_->setGeometry(6, y + 2, 96, 20);
    connect(pagePreview_, &QCheckBox::toggled, this,
            [this](bool on) { logic_.general.CheckBoxPagePreview1 = on; });
    calculate_ = Make<QPushButton>(page, "Buttoncalculateomenary", QStringLiteral("Calculate"));
    calculate_->setText(QStringLiteral("คำนวณฤกษ์"));
    calculate_->setGeometry(104, y, 84, 26);
    connect(calculate_, &QPushButton::clicked, this, &TFormomenary::CalculateClick);
    QPushButton* close = BuildCloseButton(page, "ButtonClose");
    close->setGeometry(194, y, 78, 26);

    notices_[0] = BuildNotice(page, "LabelNotice1");

    // Tab order as the rows stand.
    QWidget* previous = aspectRows_[0].edit;
    for (QWidget* next :
         std::initializer_list<QWidget*>{aspectRows_[1].edit, aspectRows_[2].edit, person1_, person2_,
                                         yearOfWork_, pagePreview_, calculate_, close}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void TFormomenary::BuildMarriageTab(QWidget* page) {
    BuildTitleBand(page, QStringLiteral("ฤกษ์แต่งงาน"), QStringLiteral("เจ้าบ่าว เจ้าสาว และบิดามารดา"));
    BuildCloseButton(page, "ButtonOmenaryMarryClose")->setGeometry(194, 366, 78, 26);
    notices_[1] = BuildNotice(page, "LabelNotice2");
}

void TFormomenary::BuildCoinTab(QWidget* page) {
    BuildCloseButton(page, "ButtonOmenaryCoinClose")->setGeometry(194, 366, 78, 26);
    notices_[2] = BuildNotice(page, "LabelNotice3");
}

void TFormomenary::Watch(QWidget* input) {
    input->installEventFilter(this);
    inputs_.push_back(input);
}

void TFormomenary::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TFormomenary::FormActivate() {
    // A message box shown during activation hands the activation back when it closes; that return
    // is part of this activation, not a new one.
    if (activating_ || startFailed_) return;
    activating_ = true;
    const shell::Activation result = logic_.FormActivate();
    activating_ = false;
    if (result == shell::Activation::StartFailed) {
        startFailed_ = true;
        close();
        return;
    }
    if (!yearListsFilled_ && !logic_.shell.yearItems.empty()) {
        FillList(yearOfWork_, logic_.shell.yearItems);
        yearListsFilled_ = true;
    }
    ShowValues();
}

void TFormomenary::closeEvent(QCloseEvent* event) {
    logic_.FormClose();
    QWidget::closeEvent(event);
}

bool TFormomenary::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window is a leave; losing the focus to another
        // window or to a list's own drop-down is not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason)
            LeaveInput(static_cast<QWidget*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

general::Leave TFormomenary::LeaveInput(QWidget* input) {
    // While a refused input takes its focus back, the focus only passes through other inputs: the
    // user never left them.
    if (refocusing_ != nullptr && input != refocusing_) return general::Leave::Accepted;
    general::GeneralValues& values = logic_.general;
    general::Leave result = general::Leave::Accepted;
    for (std::size_t i = 0; i < aspectRows_.size(); ++i) {
        if (input != aspectRows_[i].edit) continue;
        values.aspects[i].Editaspect = ToStdString(aspectRows_[i].edit->text());
        result = general::EditaspectExit(values, general::kAspects[i]);
    }
    if (input == person1_) {
        values.ComboBoxperson1 = ToStdString(person1_->currentText());
        result = general::ComboBoxperson1Exit(values);
    } else if (input == person2_) {
        values.ComboBoxperson2 = ToStdString(person2_->currentText());
        result = general::ComboBoxperson2Exit(values);
    } else if (input == yearOfWork_) {
        values.ComboBoxBudhaYearProcess = ToStdString(yearOfWork_->currentText());
        result = general::YearOfWorkUpdate(values, logic_.shell.yearItems);
    }
    ShowValues();
    if (result == general::Leave::Refused) {
        // After Qt has finished moving the focus away.
        refocusing_ = input;
        QTimer::singleShot(0, input, [this, input] {
            input->setFocus(Qt::OtherFocusReason);
            refocusing_ = nullptr;
        });
    }
    return result;
}

void TFormomenary::CalculateClick() {
    // A refused input keeps the focus; the click does not calculate with it.
    QWidget* focused = QApplication::focusWidget();
    const bool isInput = std::find(inputs_.begin(), inputs_.end(), focused) != inputs_.end();
    if (isInput && LeaveInput(focused) == general::Leave::Refused) return;
    if (forms_ == nullptr) return;
    WindowCalculationView view(this, logic_.Env().messages);
    general::ButtoncalculateomenaryClick(logic_.general, forms_->FormPrintOmenary, logic_.Env().clock.Today(),
                                         qt::QtPictureFiles(logic_.Env().workingDirectory),
                                         logic_.Env().messages, view);
    ShowValues();
}

void TFormomenary::StepClick(Aspect aspect, bool up) {
    AspectRow& row = aspectRows_[static_cast<std::size_t>(aspect)];
    // Focusing the row's input first runs the leave handling of the input that had the focus.
    row.edit->setFocus(Qt::OtherFocusReason);
    logic_.general[aspect].Editaspect = ToStdString(row.edit->text());
    general::SpeedButtonStepClick(logic_.general, aspect, up, logic_.Env().messages);
    ShowValues();
}

void TFormomenary::StepSizeClick(Aspect aspect) {
    general::SpeedButtonDeffClick(logic_.general, aspect);
    ShowValues();
}

void TFormomenary::ShowValues() {
    const general::GeneralValues& values = logic_.general;
    for (std::size_t i = 0; i < aspectRows_.size(); ++i) {
        SetTextIfChanged(aspectRows_[i].edit, values.aspects[i].Editaspect);
        aspectRows_[i].step->setText(ToQString(values.aspects[i].SpeedButtonDeffaspect));
    }
    SetTextIfChanged(person1_, values.ComboBoxperson1);
    SetTextIfChanged(person2_, values.ComboBoxperson2);
    SetTextIfChanged(yearOfWork_, values.ComboBoxBudhaYearProcess);
    pagePreview_->setChecked(values.CheckBoxPagePreview1);
    calculate_->setEnabled(values.Buttoncalculateomenary);
    notices_[0]->setText(ToQString(logic_.shell.LabelNotice1));
    notices_[1]->setText(ToQString(logic_.shell.LabelNotice2));
    notices_[2]->setText(ToQString(logic_.shell.LabelNotice3));
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace omenary::app
