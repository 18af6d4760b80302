// The Extra tab's fixed content: the printing notes for envelopes, the three text notes and what
// their buttons do. The window lays these out and forwards the clicks; the texts live here.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "core/platform/messages.h"
#include "core/platform/shell_open.h"

namespace omenary::extras {

// `Memo1`: how to place an envelope in the tray for each setting of the two envelope options of
// the coin tab. Indented lines begin with one tab character.
inline constexpr std::array<std::string_view, 18> kMemo1 = {
    "การพิมพ์ใส่ซอง",
    "",
    "1. วางซองแนวนอน ชิดซ้าย *ของถาดใส่กระดาษ*",
    "\t[   ] แนวตั้ง",
    "\t[   ] กึ่งกลาง",
    "2. วางซองแนวนอน ตรงกลาง *ของถาดใส่กระดาษ*",
    "\t[   ] แนวตั้ง",
    "\t[ / ] กึ่งกลาง",
    "3. วางซองแนวตั้ง ชิดซ้าย *ของถาดใส่กระดาษ*",
    "\t[ / ] แนวตั้ง",
    "\t[   ] กึ่งกลาง",
    "4. วางซองแนวตั้ง ตรงกลาง *ของถาดใส่กระดาษ*",
    "\t[ / ] แนวตั้ง",
    "\t[ / ] กึ่งกลาง",
    "5. Printer บางรุ่นต้องตั้งค่า Setup เครื่องพิมพ์ต่างหาก",
    "ที่ปุ่ม Setup",
    "6. การพิมพ์ซองอาจมีปัญหาการ Feed กับเครื่องพิมพ์",
    "บางรุ่น",
};

// A document button of the tab and the label beside it (pixels from the tab's top-left corner; the
// buttons are 40 × 40 at left 8, the labels at left 59).
struct TextNote {
    std::string_view button;
    int buttonTop;
    std::string_view label;
    int labelTop;
    std::string_view caption;
    std::string_view file;  // in the working directory
};

inline constexpr std::array<TextNote, 3> kTextNotes = {
    {
     {"BitBtnFile1", 109, "Label20", 123, "Omenary Version History", "Omenary_Version.txt"},
     {"BitBtnFile2", 171, "Label19", 185, "พิธีเสริมมงคล และพิธีล้างปรับสภาพ", "Ceremony.txt"},
     {"BitBtnFile3", 232, "Label18", 246, "MORVIT โปรแกรมผูกดวงจีน", "Morvit_Version.txt"},
     }
};

// The texts around the updater's button `BitBtnFile4`.
inline constexpr std::string_view kLabel16 = "Update MORVIT ตั้งแต่ Version 2.80 ขี้นไป";
inline constexpr std::string_view kLabel17 = "ที่ติดตั้งลงบน Hard disk เป็น Version ล่าสุด";
inline constexpr std::string_view kLabel12 = "ตรวจสอบการ Update ได้ที่";
// Where this program says what each version brought: its own notes beside it.
inline constexpr std::string_view kLabel13 = "ไฟล์ Omenary_Version.txt";

inline constexpr std::string_view kOpenFailure = "Falled to execute";

// `BitBtnFile1Click` ... `BitBtnFile3Click`: the note's file in the working directory (its name
// matched ignoring letter case) goes to the desktop. A note that is not there, or that the desktop
// does not take (also when its handler fails after taking it), is the error box "Falled to execute";
// the desktop would not say so itself.
void OpenTextNote(const TextNote& note, const std::filesystem::path& workingDirectory,
                  platform::ShellOpen& shell, platform::Messages& messages);

}  // namespace omenary::extras
