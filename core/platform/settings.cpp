#include "core/platform/settings.h"

namespace omenary::platform {

bool Settings::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::string error;
    if (file_.Write(section, key, value, &error)) return true;
    if (!failureReported_) {
        failureReported_ = true;
        messages_.Show(MessageIcon::Warning,
                       "บันทึกค่าลงไฟล์ตั้งค่าไม่ได้ (" + error + ")\nโปรแกรมทำงานต่อได้ แต่ค่าที่ตั้งไว้จะไม่ถูกจำไว้ในครั้งต่อไป");
    }
    return false;
}

}  // namespace omenary::platform
