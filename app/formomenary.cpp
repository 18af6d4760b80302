#include "app/formomenary.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/application.h"
#include "app/coin_tab.h"
#include "app/extra_tab.h"
#include "app/general_tab.h"
#include "app/inputs.h"
#include "app/marriage_tab.h"
#include "app/widgets.h"
#include "qt/platform/qt_text.h"

namespace omenary::app {

namespace {

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

constexpr int kTitleBandHeight = 81;

// The platform style pads tabs more than the original did; the captions already carry their blanks.
class CompactTabStyle : public QProxyStyle {
  public:
    explicit CompactTabStyle(QObject* owner) { setParent(owner); }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return metric == PM_TabBarTabHSpace ? 6 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

TFormomenary::TFormomenary(shell::Omenary& logic, platform::ShellOpen* desktop)
    : QWidget(nullptr),
      logic_(logic),
      pageControl_(new QTabWidget(this)),
      inputs_(new Inputs([this] { ShowValues(); }, this)) {
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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageControl_);

    // What the tabs share comes first, so that each tab's own controls follow it in tab order.
    BuildTitleBand(pageControl_->widget(0), QStringLiteral("ฤกษ์ยาม"),
                   QStringLiteral("ระบบธาตุแท้ / ธาตุจักรวาล"));
    BuildTitleBand(pageControl_->widget(1), QStringLiteral("ฤกษ์แต่งงาน"),
                   QStringLiteral("เจ้าบ่าว เจ้าสาว และบิดามารดา"));
    tabs_ = {new GeneralTab(logic_, *inputs_, pageControl_->widget(0)),
             new MarriageTab(logic_, *inputs_, pageControl_->widget(1)),
             new CoinTab(logic_, *inputs_, pageControl_->widget(2)),
             new ExtraTab(logic_, *inputs_, pageControl_->widget(3), desktop)};
    constexpr const char* kNoticeNames[] = {"LabelNotice1", "LabelNotice2", "LabelNotice3"};
    for (std::size_t i = 0; i < notices_.size(); ++i)
        notices_[i] = BuildNotice(pageControl_->widget(static_cast<int>(i)), kNoticeNames[i]);

    setFixedSize(kWidth, kHeight);
    ShowValues();
}

TFormomenary::~TFormomenary() {
    // The inputs go first: destroying the controls moves the focus, which is no leave of the user's.
    delete inputs_;
}

void TFormomenary::AttachReportForms(ReportForms& forms) {
    for (Tab* tab : tabs_)
        tab->AttachReportForms(forms);
}

void TFormomenary::BuildTitleBand(QWidget* sheet, const QString& line1, const QString& line2) {
    auto* band = new QFrame(sheet);
    band->setObjectName(sheet->objectName() + "TitleBand");
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
}

QLabel* TFormomenary::BuildNotice(QWidget* sheet, const char* name) {
    auto* notice = MakeLabel(sheet, name, {}, QRect(90, 398, kWidth - 100, 16));
    notice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont small = notice->font();
    small.setPointSize(7);
    notice->setFont(small);
    notice->setEnabled(false);
    return notice;
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
    ShowValues();
}

void TFormomenary::closeEvent(QCloseEvent* event) {
    logic_.FormClose();
    QWidget::closeEvent(event);
}

void TFormomenary::ShowValues() {
    for (Tab* tab : tabs_)
        tab->ShowValues();
    const std::array<const std::string*, 3> notices = {&logic_.shell.LabelNotice1, &logic_.shell.LabelNotice2,
                                                       &logic_.shell.LabelNotice3};
    for (std::size_t i = 0; i < notices_.size(); ++i)
        notices_[i]->setText(qt::ToQString(*notices[i]));
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace omenary::app
