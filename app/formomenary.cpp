#include "app/formomenary.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

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
    const char* hint;
};

constexpr TabSheet kTabSheets[] = {
    {    "TabSheetOmenary1",                   " ฤกษ์ยาม ",                                        ""},
    {"TabSheetMarryOmenary",       " ฤกษ์แต่งงาน ",       "ฤกษ์แต่งงาน"},
    { "TabSheetOmenaryCoin", " ฤกษ์รับเหรียญ ", "ฤกษ์รับเหรียญ"},
    {     "TabSheetHistory",                                    " Extra",                                   "Extra"},
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
        const int index = pageControl_->addTab(page, QString::fromUtf8(sheet.caption));
        pageControl_->setTabToolTip(index, QString::fromUtf8(sheet.hint));
    }
    pageControl_->setCurrentIndex(0);
    // A tab switch moves the focus off the tab's input; when that input is refused, the tab comes
    // back with it, so that nothing is typed into a control the user cannot see.
    connect(pageControl_, &QTabWidget::currentChanged, this, [this](int index) {
        if (inputs_->RefusalPending() && index != shownTab_) {
            pageControl_->setCurrentIndex(shownTab_);
            return;
        }
        shownTab_ = index;
    });
    // Four Thai captions must share 286 pixels without scroll arrows, as they did in the original.
    pageControl_->tabBar()->setUsesScrollButtons(false);
    pageControl_->tabBar()->setElideMode(Qt::ElideNone);
    pageControl_->tabBar()->setStyle(new CompactTabStyle(pageControl_->tabBar()));
    // The pages keep their size; on a screen too small for them the window is smaller and they scroll.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    // A click on a button that takes no focus must leave it where it is, not hand it to the scroller.
    scroller->setFocusPolicy(Qt::NoFocus);
    pageControl_->setFixedSize(kWidth, kHeight);
    scroller->setWidget(pageControl_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);

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

void TFormomenary::keyPressEvent(QKeyEvent* event) {
    // Return and Enter press the focused button, as Space does; a check box is ticked by Space only.
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && button != nullptr &&
        qobject_cast<QCheckBox*>(button) == nullptr) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormomenary::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window was placed before the window manager framed it; once its frame is known, place it
    // again with that frame, so a screen that only just holds it loses nothing to a guess.
    if (!placedInFrame_ && isVisible() && frameGeometry() != geometry()) {
        placedInFrame_ = true;
        PlaceOnScreen(*this);
    }
}

void TFormomenary::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A frame known from the start (a platform without a window manager's frame) was placed with.
    if (frameGeometry() != geometry()) placedInFrame_ = true;
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

void PlaceOnScreen(QWidget& window, QRect available, QMargins frame) {
    const QSize room = available.size().shrunkBy(frame);
    QSize size = QSize(TFormomenary::kWidth, TFormomenary::kHeight).boundedTo(room);
    // Where the pages scroll one way, the window grows by that scroll bar if there is room, so that
    // they need not scroll the other way too.
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.height() < TFormomenary::kHeight) size.setWidth(std::min(size.width() + bar, room.width()));
    if (size.width() < TFormomenary::kWidth) size.setHeight(std::min(size.height() + bar, room.height()));
    window.setFixedSize(size);
    QRect outer(QPoint(), size.grownBy(frame));
    outer.moveCenter(available.center());
    // Never above or left of the free area: the title bar stays in reach.
    outer.moveTopLeft(
        QPoint(std::max(outer.left(), available.left()), std::max(outer.top(), available.top())));
    window.move(outer.topLeft());
}

void PlaceOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // Before the window manager has framed the window its frame is unknown: allow for a title bar
    // and borders of the usual size.
    const int border = 4;
    const int title =
        std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 2 * window.fontMetrics().height());
    const QMargins frame = window.frameGeometry() != window.geometry()
                               ? QMargins(window.geometry().left() - window.frameGeometry().left(),
                                          window.geometry().top() - window.frameGeometry().top(),
                                          window.frameGeometry().right() - window.geometry().right(),
                                          window.frameGeometry().bottom() - window.geometry().bottom())
                               : QMargins(border, title + border, border, border);
    PlaceOnScreen(window, screen->availableGeometry(), frame);
}

}  // namespace omenary::app
