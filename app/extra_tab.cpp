#include "app/extra_tab.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/page_view.h"
#include "app/widgets.h"
#include "core/coin/envelope_list.h"
#include "core/extras/extra_tab.h"
#include "core/extras/updater.h"
#include "qt/platform/desktop_open.h"
#include "qt/platform/qt_text.h"
#include "qt/report/page_output.h"
#include "qt/report/renderer.h"

namespace omenary::app {

namespace {

using qt::ToQString;

constexpr QSize kGlyphSize(28, 28);

// A page of text with a folded corner, in colour and greyed for the disabled state.
QIcon TextPageGlyph() {
    const auto draw = [](QColor ink, QColor paper) {
        QPixmap pixmap(kGlyphSize);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPolygonF page({
            { 5,  2},
            {18,  2},
            {23,  7},
            {23, 26},
            { 5, 26}
        });
        painter.setPen(QPen(ink, 1.2));
        painter.setBrush(paper);
        painter.drawPolygon(page);
        painter.drawPolyline(QPolygonF({
            {18, 2},
            {18, 7},
            {23, 7}
        }));
        for (int y = 11; y <= 22; y += 3)
            painter.drawLine(QPointF(8, y), QPointF(20, y));
        return pixmap;
    };
    QIcon icon;
    icon.addPixmap(draw(QColor(0x00, 0x00, 0x80), Qt::white), QIcon::Normal);
    icon.addPixmap(draw(Qt::gray, QColor(0xF0, 0xF0, 0xF0)), QIcon::Disabled);
    return icon;
}

// The program's emblem, as on the title bands.
QIcon EmblemGlyph() {
    QPixmap pixmap(kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(24);
    painter.setFont(font);
    painter.setPen(QColor(0x80, 0x00, 0x00));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("☯"));
    return QIcon(pixmap);
}

QPushButton* MakeGlyphButton(QWidget* sheet, std::string_view name, const QIcon& glyph, int top) {
    auto* button = Make<QPushButton>(sheet, std::string(name).c_str());
    button->setIcon(glyph);
    button->setIconSize(kGlyphSize);
    button->setGeometry(8, top, 40, 40);
    return button;
}

}  // namespace

ExtraTab::ExtraTab(shell::Omenary& logic, Inputs& inputs, QWidget* sheet, platform::ShellOpen* desktop)
    : Tab(logic, inputs, sheet),
      ownDesktop_(desktop == nullptr ? std::make_unique<qt::DesktopOpen>() : nullptr),
      desktop_(desktop == nullptr ? *ownDesktop_ : *desktop) {
    auto* memo = Make<QPlainTextEdit>(sheet_, "Memo1");
    memo->setReadOnly(true);
    memo->setGeometry(0, 0, 276, 81);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setTabStopDistance(24);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    memo->setPalette(palette);
    QStringList lines;
    for (const std::string_view line : extras::kMemo1)
        lines << ToQString(line);
    memo->setPlainText(lines.join('\n'));

    const QIcon page = TextPageGlyph();
    for (const extras::TextNote& note : extras::kTextNotes) {
        QPushButton* button = MakeGlyphButton(sheet_, note.button, page, note.buttonTop);
        MakeLabel(sheet_, std::string(note.label).c_str(), ToQString(note.caption),
                  QRect(59, note.labelTop, 205, 16));
        inputs_.OnClick(button, Inputs::Click::LeavesInput, [this, &note] {
            extras::OpenTextNote(note, logic_.Env().workingDirectory, desktop_, logic_.Env().messages);
        });
    }

    QPushButton* updater = MakeGlyphButton(sheet_, "BitBtnFile4", EmblemGlyph(), 293);
    MakeLabel(sheet_, "Label16", ToQString(extras::kLabel16), QRect(59, 296, 215, 16));
    MakeLabel(sheet_, "Label17", ToQString(extras::kLabel17), QRect(59, 314, 215, 16));
    inputs_.OnClick(updater, Inputs::Click::LeavesInput, [this] {
        extras::BitBtnFile4Click(logic_.extras, logic_.Env().windowsDirectory, logic_.Env().messages);
    });
    updateStatus_ = MakeLabel(sheet_, "LabelUpdateStatus", {}, QRect(8, 335, 260, 16));
    updateStatus_->setStyleSheet(QStringLiteral("color: blue"));
    MakeLabel(sheet_, "Label12", ToQString(extras::kLabel12), QRect(74, 352, 200, 16));
    MakeLabel(sheet_, "Label13", ToQString(extras::kLabel13), QRect(68, 370, 210, 16))
        ->setStyleSheet(QStringLiteral("color: blue"));

    auto* list = Make<QPushButton>(sheet_, "ButtonPrintEnvelopeList");
    list->setText(QStringLiteral("พิมพ์ซองตามรายชื่อ"));
    list->setToolTip(QStringLiteral("ซองรับเหรียญหนึ่งซองต่อแถวของรายชื่อ CSV ตามวันเริ่มและการวางซองของแท็บรับเหรียญ"));
    list->setGeometry(8, 392, 160, 25);
    inputs_.OnClick(list, Inputs::Click::LeavesInput, [this] { PrintEnvelopeList(); });
}

void ExtraTab::PrintEnvelopeList() {
    QWidget* window = sheet_->window();
    const QString file = QFileDialog::getOpenFileName(
        window, QStringLiteral("รายชื่อผู้รับเหรียญ"), ToQString(logic_.Env().workingDirectory.string()),
        QStringLiteral("รายชื่อ CSV (*.csv *.CSV *.txt);;ทุกไฟล์ (*)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (file.isEmpty()) return;
    const auto bytes = coin::ReadListFile(qt::ToStdString(file));
    if (!bytes) {
        logic_.Env().messages.Show(platform::MessageIcon::Error, "อ่านไฟล์ไม่ได้: " + qt::ToStdString(file));
        return;
    }
    WindowPageView view(window, logic_.Env().messages, "omenary-envelopes");
    const auto pages = coin::EnvelopeListClick(*bytes, logic_.coin, logic_.Env().pictures,
                                               logic_.CoinSearch(view), qt::QtTextMetrics());
    if (pages) view.Output(*pages, logic_.coin.CheckBoxPagePreview3);
}

void ExtraTab::ShowValues() {
    updateStatus_->setText(ToQString(logic_.extras.LabelUpdateStatus));
}

}  // namespace omenary::app
