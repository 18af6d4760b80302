#include "core/extras/extra_tab.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

namespace omenary::extras {
namespace {

namespace fs = std::filesystem;

TEST(ExtrasTab, PrintingNotesAreTheEighteenLines) {
    std::string joined;
    for (std::string_view line : kMemo1)
        joined.append(line).append("\n");
    EXPECT_EQ(joined,
              "การพิมพ์ใส่ซอง\n\n"
              "1. วางซองแนวนอน ชิดซ้าย *ของถาดใส่กระดาษ*\n\t[   ] แนวตั้ง\n\t[   ] กึ่งกลาง\n"
              "2. วางซองแนวนอน ตรงกลาง *ของถาดใส่กระดาษ*\n\t[   ] แนวตั้ง\n\t[ / ] กึ่งกลาง\n"
              "3. วางซองแนวตั้ง ชิดซ้าย *ของถาดใส่กระดาษ*\n\t[ / ] แนวตั้ง\n\t[   ] กึ่งกลาง\n"
              "4. วางซองแนวตั้ง ตรงกลาง *ของถาดใส่กระดาษ*\n\t[ / ] แนวตั้ง\n\t[ / ] กึ่งกลาง\n"
              "5. Printer บางรุ่นต้องตั้งค่า Setup เครื่องพิมพ์ต่างหาก\nที่ปุ่ม Setup\n"
              "6. การพิมพ์ซองอาจมีปัญหาการ Feed กับเครื่องพิมพ์\nบางรุ่น\n");
}

using ExtrasNotes = omenary::testing::TempFolderTest;

TEST_F(ExtrasNotes, ANoteOpensFromTheWorkingDirectoryElseFalledToExecute) {
    // The note's file as named in the folder (empty: not there), and whether the desktop takes it.
    const std::pair<std::string, bool> cases[] = {
        {"Ceremony.txt",  true},
        {"CEREMONY.TXT",  true},
        {"Ceremony.txt", false},
        {            "",  true}
    };
    for (const auto& [onDisk, takes] : cases) {
        fs::remove_all(root_);
        fs::create_directories(root_);
        if (!onDisk.empty()) Write(root_ / onDisk, "note");
        platform::RecordedShellOpen shell(takes);
        platform::RecordedMessages messages;
        OpenTextNote(kTextNotes[1], root_, shell, messages);
        EXPECT_EQ(shell.Opened(), onDisk.empty() ? std::vector<fs::path>{} : std::vector{root_ / onDisk});
        const bool failed = onDisk.empty() || !takes;
        EXPECT_EQ(messages.Texts(), std::vector<std::string>(failed ? 1 : 0, "Falled to execute")) << onDisk;
        for (const auto& entry : messages.Entries())
            EXPECT_EQ(entry.icon, platform::MessageIcon::Error);
    }
}

TEST(ExtrasTab, EveryNoteIsShippedInTheDataFolder) {
    for (const TextNote& note : kTextNotes)
        EXPECT_GT(fs::file_size(fs::path(OMENARY_DATA_DIR) / note.file), 200u) << note.file;
}

}  // namespace
}  // namespace omenary::extras
