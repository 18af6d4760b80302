#include "core/platform/settings.h"

#include "core/common/text.h"
#include "core/platform/file_set.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace omenary::platform {

namespace {

constexpr std::string_view kGoesOn = " โปรแกรมจะทำงานต่อไป แต่ค่าที่ตั้งไว้จะไม่ถูกบันทึก";

// The first free name beside the file: "X.bad", then "X.bad1", "X.bad2", ...
std::filesystem::path FreeBadName(const std::filesystem::path& file) {
    std::error_code error;
    for (int n = 0;; ++n) {
        std::filesystem::path candidate = file.string() + ".bad" + (n == 0 ? "" : std::to_string(n));
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, error))) return candidate;
    }
}

}  // namespace

std::string ReasonInThai(const ProfileFile::WriteFailure& failure) {
    using Kind = ProfileFile::WriteFailure::Kind;
    switch (failure.kind) {
        case Kind::ReadOnly:
            return "ไฟล์นี้ถูกตั้งให้อ่านได้อย่างเดียว";
        case Kind::NotSettings:
            return "ไฟล์นี้ไม่ใช่ไฟล์ตั้งค่า";
        case Kind::NotStorable:
            return "ค่าที่จะบันทึกมีการขึ้นบรรทัดใหม่ ซึ่งไฟล์ตั้งค่าเก็บไว้ไม่ได้ ส่วนอื่นของไฟล์ยังคงเดิม";
        case Kind::Busy:
            return "โปรแกรมอื่นกำลังเขียนไฟล์นี้อยู่นานเกินไป";
        case Kind::System:
            break;
    }
    switch (failure.error) {
        case EACCES:
        case EPERM:
            return "ไม่มีสิทธิ์เขียนลงในโฟลเดอร์นั้น";
        case ENOSPC:
        case EDQUOT:
            return "พื้นที่ดิสก์เต็ม";
        case EROFS:
            return "ดิสก์นั้นเขียนไม่ได้";
        case EISDIR:
            return "ชื่อนี้เป็นโฟลเดอร์ ไม่ใช่ไฟล์";
        case ENOENT:
        case ENOTDIR:
            return "ไม่พบโฟลเดอร์ที่เก็บไฟล์";
        default:
            return "ระบบแจ้งว่า " + std::string(std::strerror(failure.error));
    }
}

namespace {

std::pair<std::string, std::string> MemoryKey(std::string_view section, std::string_view key) {
    return {ToLowerAscii(section), ToLowerAscii(key)};
}

}  // namespace

Settings Settings::InMemory(Messages& messages) {
    Settings settings({}, messages);
    settings.memory_.emplace();
    return settings;
}

std::string Settings::Read(std::string_view section, std::string_view key) const {
    if (memory_) {
        const auto found = memory_->find(MemoryKey(section, key));
        return found == memory_->end() ? std::string() : found->second;
    }
    return file_.Path().empty() ? std::string() : file_.Read(section, key);
}

bool Settings::Write(std::string_view section, std::string_view key, std::string_view value) {
    if (memory_) {
        (*memory_)[MemoryKey(section, key)] = std::string(value);
        return true;
    }
    if (file_.Path().empty()) {
        ReportOnce("ไม่พบโฟลเดอร์สำหรับเก็บไฟล์ตั้งค่า (ตั้ง XDG_CONFIG_HOME หรือ HOME ให้ถูกต้อง)" + std::string(kGoesOn));
        return false;
    }
    RemoveStaleTemporaries();
    ProfileFile::WriteFailure failure;
    if (file_.Write(section, key, value, &failure)) return true;
    if (failure.kind == ProfileFile::WriteFailure::Kind::NotSettings && MoveAside() &&
        file_.Write(section, key, value, &failure))
        return true;
    ReportOnce("ไม่สามารถบันทึกไฟล์ตั้งค่า " + file_.Target().string() + " ได้ เพราะ" + ReasonInThai(failure) +
               std::string(kGoesOn));
    return false;
}

bool Settings::MoveAside() {
    const std::filesystem::path damaged = file_.Target();
    const std::filesystem::path kept = FreeBadName(damaged);
    std::error_code error;
    std::filesystem::rename(damaged, kept, error);
    if (error) return false;
    // Said even if a later failure is reported too: the user must know where the old file went.
    messages_.Show(MessageIcon::Warning, "ไฟล์ตั้งค่า " + damaged.string() + " อ่านไม่ได้ จึงเก็บไว้เป็น " +
                                             kept.string() + " และเริ่มไฟล์ตั้งค่าใหม่แทน");
    return true;
}

void Settings::RemoveStaleTemporaries() {
    if (temporariesChecked_) return;
    temporariesChecked_ = true;
    const std::filesystem::path target = file_.Target();
    const std::string prefix = target.filename().string() + ".tmp";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || name.size() == prefix.size()) continue;
        const std::string pid = name.substr(prefix.size());
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) continue;
        // A write of another running copy of the program is still its own.
        if (std::filesystem::exists("/proc/" + pid, error) || std::stoi(pid) == ::getpid()) continue;
        std::filesystem::remove(entry.path(), error);
    }
}

void Settings::ReportOnce(const std::string& text) {
    if (failureReported_) return;
    failureReported_ = true;
    messages_.Show(MessageIcon::Warning, text);
}

}  // namespace omenary::platform
