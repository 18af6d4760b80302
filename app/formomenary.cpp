#include "app/formomenary.h"

#include <QGuiApplication>
#include <QProxyStyle>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/application.h"

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

// The platform style pads tabs more than the original did; the captions already carry their blanks.
class CompactTabStyle : public QProxyStyle {
  public:
    explicit CompactTabStyle(QObject* owner) : QProxyStyle() { setParent(owner); }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        return metric == PM_TabBarTabHSpace ? 6 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

TFormomenary::TFormomenary(QWidget* parent) : QWidget(parent), pageControl_(new QTabWidget(this)) {
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
    setFixedSize(kWidth, kHeight);
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace omenary::app
