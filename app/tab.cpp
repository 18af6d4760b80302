#include "app/tab.h"

#include <QBitmap>
#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/widgets.h"
#include "core/platform/pictures.h"
#include "core/report/page.h"
#include "qt/platform/picture_files.h"

namespace omenary::app {

QPushButton* Tab::BuildCloseButton(const char* name, QRect geometry) {
    QPushButton* close = MakeButton(sheet_, name, QStringLiteral("ออก"), QStringLiteral("Exit"), geometry);
    QWidget* window = sheet_->window();
    inputs_.OnClick(close, Inputs::Click::LeavesInput, [window] { window->close(); });
    return close;
}

QCheckBox* Tab::BuildPagePreview(const char* name, QRect geometry, bool& ticked) {
    auto* box = Make<QCheckBox>(sheet_, name, QStringLiteral("ภาพก่อนพิมพ์"));
    box->setText(QStringLiteral("Page Preview"));
    box->setGeometry(geometry);
    inputs_.OnClick(box, Inputs::Click::LeavesInput, [box, &ticked] { ticked = box->isChecked(); });
    return box;
}

void Tab::ShowPicture(QLabel* slot, const std::string& name, bool whiteIsTransparent) {
    const auto [shown, first] = pictures_.try_emplace(slot, name);
    if (!first && shown->second == name) return;
    shown->second = name;
    QPixmap pixmap;
    if (const auto file = platform::FindPicture(logic_.Env().workingDirectory, name)) {
        pixmap = QPixmap::fromImage(qt::DecodePicture(*file));
        if (whiteIsTransparent && !pixmap.isNull()) pixmap.setMask(pixmap.createMaskFromColor(Qt::white));
    }
    slot->setPixmap(pixmap);
}

void Tab::ShowPictureOrReport(QLabel* slot, const std::string& name) {
    const auto shown = pictures_.find(slot);
    if (name.empty() || (shown != pictures_.end() && shown->second == name)) return ShowPicture(slot, name);
    ShowPicture(slot, name);
    if (!slot->pixmap().isNull()) return;
    const std::filesystem::path& folder = logic_.Env().workingDirectory;
    const auto status = platform::FindPicture(folder, name) ? platform::PictureStatus::Undecodable
                                                            : platform::PictureStatus::Missing;
    logic_.Env().messages.Show(platform::MessageIcon::Error,
                               report::PictureNotLoadedMessage(name, status, folder));
}

}  // namespace omenary::app
