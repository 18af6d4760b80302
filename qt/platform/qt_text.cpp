#include "qt/platform/qt_text.h"

namespace omenary::qt {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToStdString(const QString& text) {
    return text.toStdString();
}

}  // namespace omenary::qt
