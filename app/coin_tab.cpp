#include "app/coin_tab.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <vector>

#include "app/page_view.h"
#include "app/widgets.h"
#include "core/astro/cycles.h"
#include "core/coin/envelope_fill.h"
#include "core/coin/tab_handlers.h"
#include "core/platform/pictures.h"
#include "qt/platform/picture_files.h"
#include "qt/platform/qt_text.h"
#include "qt/report/page_output.h"

namespace omenary::app {

namespace {

using qt::ToQString;
using qt::ToStdString;

constexpr QSize kButton(22, 36);

QFrame* MakePanel(QWidget* parent, const char* name, QRect geometry, QColor colour) {
    auto* panel = Make<QFrame>(parent, name);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

// A button face: its number and the glyph of its character, the glyph below the number on the stem
// row and above it on the branch row, so the two rows face each other.
QIcon ButtonFace(int number, const std::filesystem::path& glyphFile, bool glyphBelow) {
    QPixmap face(kButton);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    painter.setFont(font);
    const QRect numberBox(0, glyphBelow ? 1 : 19, kButton.width(), 16);
    painter.drawText(numberBox, Qt::AlignCenter, QString::number(number));
    const QImage glyph = qt::DecodePicture(glyphFile);
    if (!glyph.isNull()) painter.drawImage(QRect(2, glyphBelow ? 18 : 2, 17, 16), glyph);
    return QIcon(face);
}

}  // namespace

CoinTab::CoinTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet) : Tab(logic, inputs, sheet) {
    BuildPairPicker();
    BuildStartDate();
    BuildResults();
    BuildEnvelopeOptions();
    QPushButton* close = BuildCloseButton("ButtonOmenaryCoinClose", QRect(184, 347, 75, 25));
    std::vector<QWidget*> order;
    for (QButtonGroup* row : {stems_, branches_})
        for (QAbstractButton* button : row->buttons())
            order.push_back(button);
    order.insert(order.end(), {day_, month_, year_, landscape_, centerOnPage_, pagePreview_, print_, close});
    ChainTabOrder(order);
}

bool CoinTab::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys walk the two rows without pressing anything: left and right along a row, up
    // and down to the button of the same number in the other row (the last stem under 11 and 12).
    if (event->type() != QEvent::KeyPress) return Tab::eventFilter(watched, event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    QButtonGroup* row = button != nullptr ? button->group() : nullptr;
    if (row != stems_ && row != branches_) return Tab::eventFilter(watched, event);
    const int k = row->id(button);
    QButtonGroup* other = row == stems_ ? branches_ : stems_;
    QAbstractButton* next = nullptr;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
            next = row->button(k - 1);
            break;
        case Qt::Key_Right:
            next = row->button(k + 1);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            next = other->button(std::min(k, static_cast<int>(other->buttons().size())));
            break;
        default:
            return Tab::eventFilter(watched, event);
    }
    if (next != nullptr) next->setFocus(Qt::TabFocusReason);
    return true;
}

template <typename Handler>
auto CoinTab::WithSearch(Handler handler) {
    WindowPageView view(sheet_->window(), logic_.Env().messages, "omenary-envelope");
    return handler(logic_.CoinSearch(view));
}

void CoinTab::BuildPairPicker() {
    QFrame* panel = MakePanel(sheet_, "PanelCfonts", QRect(0, 0, 270, 81), QColor(255, 250, 234));
    stems_ = new QButtonGroup(this);
    branches_ = new QButtonGroup(this);
    const std::filesystem::path& folder = logic_.Env().workingDirectory;
    for (int k = 1; k <= 12; ++k) {
        for (const bool stem : {true, false}) {
            if (stem && k > 10) continue;
            const std::string name = (stem ? "SpeedButtonOn" : "SpeedButtonBelow") + std::to_string(k);
            const std::string glyph = (stem ? "GlyphOn" : "GlyphBelow") + std::to_string(k) + ".bmp";
            const auto reading = stem ? astro::kStemNames[static_cast<std::size_t>(k - 1)]
                                      : astro::kBranchReadings[static_cast<std::size_t>(k - 1)];
            auto* button = Make<QToolButton>(panel, name.c_str(), ToQString(reading));
            button->setGeometry(QRect(QPoint(4 + 22 * (k - 1), stem ? 4 : 40), kButton));
            button->setAutoRaise(true);
            button->setCheckable(true);
            button->installEventFilter(this);
            button->setIcon(
                ButtonFace(k, platform::FindPicture(folder, glyph).value_or(folder / glyph), stem));
            button->setIconSize(kButton);
            (stem ? stems_ : branches_)->addButton(button, k);
            inputs_.OnClick(button, Inputs::Click::LeavesInput, [this, k, stem] {
                WithSearch([this, k, stem](const coin::SearchContext& context) {
                    if (stem) {
                        coin::SpeedButtonOnClick(logic_.coin, k, logic_.Env().pictures, context);
                    } else {
                        coin::SpeedButtonBelowClick(logic_.coin, k, logic_.Env().pictures, context);
                    }
                });
            });
        }
    }

    const auto disc = [this](const char* name, int top) {
        QLabel* shape = MakeLabel(sheet_, name, {}, QRect(5, top, 42, 42));
        shape->setStyleSheet(QStringLiteral(
            "background-color: rgb(255, 255, 128); border: 1px solid black; border-radius: 21px;"));
    };
    disc("Shapecoin1", 146);
    disc("Shape1", 189);
    stemPicture_ = MakeLabel(sheet_, "ImageRasibon", {}, QRect(13, 154, 26, 26));
    branchPicture_ = MakeLabel(sheet_, "ImageRasilang", {}, QRect(13, 197, 26, 26));
    stemNumber_ = MakeLabel(sheet_, "ImageNRasibon", {}, QRect(56, 157, 17, 17));
    MakeTextAt(sheet_, "Label8", QStringLiteral("__"), {56, 175});
    branchNumber_ = MakeLabel(sheet_, "ImageNRasilang", {}, QRect(56, 199, 17, 17));
}

void CoinTab::BuildStartDate() {
    QFrame* panel = MakePanel(sheet_, "PanelOmenaryCoinDate", QRect(0, 81, 270, 56),
                              sheet_->palette().color(QPalette::Window));
    MakeTextAt(panel, "LabelStart", QStringLiteral("เริ่มคำนวณฤกษ์ตั้งแต่"), {8, 7});
    MakeTextAt(panel, "LabelDay", QStringLiteral("วันที่"), {9, 28})->setToolTip(QStringLiteral("Day"));
    day_ = MakeList(panel, "ComboBoxDD", {}, QRect(35, 26, 37, 22));
    FillList(day_, coin::DayItems());
    month_ = MakeList(panel, "ComboBoxMM", {}, QRect(78, 26, 103, 22));
    FillList(month_, coin::MonthItems());
    year_ = MakeList(panel, "ComboBoxYY", {}, QRect(187, 26, 55, 22));
    coin::CoinValues& values = logic_.coin;
    const auto watch = [this](QComboBox* list, std::string coin::CoinValues::*text, auto exit) {
        inputs_.Watch(list, [this, list, text, exit] {
            logic_.coin.*text = ToStdString(list->currentText());
            return WithSearch(exit);
        });
    };
    watch(day_, &coin::CoinValues::ComboBoxDD,
          [&values](const coin::SearchContext& context) { return coin::ComboBoxDDExit(values, context); });
    watch(month_, &coin::CoinValues::ComboBoxMM,
          [&values](const coin::SearchContext& context) { return coin::ComboBoxMMExit(values, context); });
    watch(year_, &coin::CoinValues::ComboBoxYY, [this, &values](const coin::SearchContext& context) {
        return coin::ComboBoxYYExit(values, logic_.shell.yearItems, context);
    });
}

void CoinTab::BuildResults() {
    QFrame* panel = MakePanel(sheet_, "PanelOmenaryCoine", QRect(72, 139, 197, 194), QColor(221, 255, 221));
    const auto blue = [](QLabel* label) {
        label->setStyleSheet(QStringLiteral("color: blue"));
        return label;
    };
    MakeTextAt(panel, "LabelDetailCoin", QStringLiteral("บุคคลเกิดปี"), {5, 5});
    details_[0] = blue(MakeLabel(panel, "LabelCoinDetail1", {}, QRect(60, 5, 40, 16)));
    MakeTextAt(panel, "Label3", QStringLiteral("อายุ          ปี"), {100, 5});
    details_[2] = blue(MakeLabel(panel, "LabelCoinDetail3", {}, QRect(124, 5, 24, 16)));
    MakeTextAt(panel, "Label1", QStringLiteral("6 ก.พ."), {5, 29});
    details_[1] = blue(MakeLabel(panel, "LabelCoinDetail2", {}, QRect(40, 29, 29, 16)));
    MakeTextAt(panel, "Label2", QStringLiteral("- 1 ก.พ. ปีถัดไป"), {69, 29});
    MakeTextAt(panel, "LabelOmenaryCoin", QStringLiteral("ฤกษ์ที่มอบคือ"), {5, 54});
    constexpr int kTops[coin::kSlotCount] = {71, 88, 106, 124, 148, 166};
    // The window's sans face is wider than the one the panel was drawn for: a longest date and a time
    // with its "น." fit their places only a little narrower.
    QFont slotFont = panel->font();
    slotFont.setStretch(QFont::SemiCondensed);
    for (int n = 0; n < coin::kSlotCount; ++n) {
        const std::string date = "LabelOmenaryCoin" + std::to_string(n + 1);
        const std::string time = "LabelOmenaryTimeCoin" + std::to_string(n + 1);
        dates_[static_cast<std::size_t>(n)] =
            blue(MakeLabel(panel, date.c_str(), {}, QRect(5, kTops[n], 117, 16)));
        times_[static_cast<std::size_t>(n)] =
            blue(MakeLabel(panel, time.c_str(), {}, QRect(123, kTops[n], 72, 16)));
        dates_[static_cast<std::size_t>(n)]->setFont(slotFont);
        times_[static_cast<std::size_t>(n)]->setFont(slotFont);
        dates_[static_cast<std::size_t>(n)]->setToolTip(ToQString(coin::kDateSlotInitial));
        times_[static_cast<std::size_t>(n)]->setToolTip(ToQString(coin::kTimeSlotInitial));
    }
}

void CoinTab::BuildEnvelopeOptions() {
    QFrame* panel = MakePanel(sheet_, "PanelSetupPrinter", QRect(5, 240, 63, 70), Qt::white);
    setupPicture_ = MakeLabel(panel, "ImageSetupPrinter", {}, QRect(2, 4, 58, 62));
    setupPicture_->setScaledContents(true);
    landscape_ = Make<QCheckBox>(sheet_, "CheckBoxLandscape", QStringLiteral("ใส่ซองแนวตั้ง"));
    landscape_->setText(QStringLiteral("แนวตั้ง"));
    landscape_->setGeometry(10, 317, 62, 17);
    centerOnPage_ =
        Make<QCheckBox>(sheet_, "CheckBoxCenterOnPage", QStringLiteral("Center on page - Horizontally"));
    centerOnPage_->setText(QStringLiteral("กึ่งกลาง"));
    centerOnPage_->setGeometry(10, 334, 62, 17);
    for (QCheckBox* box : {landscape_, centerOnPage_}) {
        inputs_.OnClick(box, Inputs::Click::LeavesInput, [this] {
            logic_.coin.pageOptions.CheckBoxLandscape = landscape_->isChecked();
            logic_.coin.pageOptions.CheckBoxCenterOnPage = centerOnPage_->isChecked();
            coin::CheckBoxLandscapeClick(logic_.coin.pageOptions, logic_.Settings());
        });
    }
    pagePreview_ =
        BuildPagePreview("CheckBoxPagePreview3", QRect(10, 351, 96, 17), logic_.coin.CheckBoxPagePreview3);
    QToolButton* setup = MakeSpeedButton(sheet_, "SpeedButtonPrinterDialog", QStringLiteral("Setup"),
                                         QStringLiteral("Printer Setup"), QRect(1, 368, 62, 22));
    setup->setAutoRaise(true);
    setup->setIcon(sheet_->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    setup->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    inputs_.OnClick(setup, Inputs::Click::LeavesInput, [this] { qt::SetupPrinter(sheet_->window()); });
    print_ = MakeButton(sheet_, "ButtonPrintOmenaryCoin", QStringLiteral("พิมพ์ซอง"), QStringLiteral("Print"),
                        QRect(109, 347, 75, 25));
    inputs_.OnClick(print_, Inputs::Click::LeavesInput, [this] {
        if (forms_ == nullptr) return;
        WindowPageView view(sheet_->window(), logic_.Env().messages, "omenary-envelope");
        coin::ButtonPrintOmenaryCoinClick(logic_.coin, forms_->FormPrintOmenaryCoin, logic_.Env().pictures,
                                          logic_.Env().messages, view);
    });
}

void CoinTab::ShowValues() {
    const coin::CoinValues& values = logic_.coin;
    if (!yearListFilled_ && !logic_.shell.yearItems.empty()) {
        FillList(year_, logic_.shell.yearItems);
        yearListFilled_ = true;
    }
    for (auto [group, down] : {
             std::pair{   stems_,    values.SpeedButtonOn},
             std::pair{branches_, values.SpeedButtonBelow}
    }) {
        if (QAbstractButton* button = group->button(down); button != nullptr) button->setChecked(true);
        // Tab stops once in each row: at its pressed button, or at its first one. Reached with Tab
        // and the arrow keys, never by a click: a click leaves the input that has the focus where
        // it stands.
        QAbstractButton* stop = group->checkedButton() != nullptr ? group->checkedButton() : group->button(1);
        for (QAbstractButton* button : group->buttons())
            button->setFocusPolicy(button == stop ? Qt::TabFocus : Qt::NoFocus);
    }
    ShowPicture(stemPicture_, values.ImageRasibon, true);
    ShowPicture(stemNumber_, values.ImageNRasibon);
    ShowPicture(branchPicture_, values.ImageRasilang, true);
    ShowPicture(branchNumber_, values.ImageNRasilang);
    const std::array<const std::string*, 3> details = {&values.LabelCoinDetail1, &values.LabelCoinDetail2,
                                                       &values.LabelCoinDetail3};
    for (std::size_t i = 0; i < details_.size(); ++i)
        details_[i]->setText(ToQString(*details[i]));
    for (std::size_t n = 0; n < dates_.size(); ++n) {
        dates_[n]->setText(ToQString(values.LabelOmenaryCoin[n]));
        times_[n]->setText(ToQString(values.LabelOmenaryTimeCoin[n]));
    }
    inputs_.Show(day_, values.ComboBoxDD);
    inputs_.Show(month_, values.ComboBoxMM);
    inputs_.Show(year_, values.ComboBoxYY);
    ShowPictureOrReport(setupPicture_, values.pageOptions.ImageSetupPrinter);
    landscape_->setChecked(values.pageOptions.CheckBoxLandscape);
    centerOnPage_->setChecked(values.pageOptions.CheckBoxCenterOnPage);
    pagePreview_->setChecked(values.CheckBoxPagePreview3);
    print_->setEnabled(values.ButtonPrintOmenaryCoin);
}

}  // namespace omenary::app
