#include "qt/platform/desktop_open.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace omenary::qt {

bool DesktopOpen::Open(const std::filesystem::path& file) {
    // A file URL only: the desktop picks the program, and nothing is run by name from here.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
}

}  // namespace omenary::qt
