// The one crossing between the core's UTF-8 std::string and Qt's QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace omenary::qt {

QString ToQString(std::string_view utf8);
std::string ToStdString(const QString& text);

}  // namespace omenary::qt
