// A program run in throw-away folders: a working directory with a calendar index and a settings
// folder, with recorded messages and a fixed date.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "core/platform/clock.h"
#include "core/platform/messages.h"
#include "core/shell/omenary.h"
#include "tests/fake_pictures.h"
#include "tests/temp_folder.h"

namespace omenary::testing {

inline constexpr const char* kIndex2442To2700 =
    "[DATA CALENDAR]\r\n2442 -  2700   Calendar1.TXT\r\n[END OF DATA]\r\n";

class ShellFixture : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        std::filesystem::create_directories(Working());
        std::filesystem::create_directories(Windows());
        Write(Working() / "HOROSCOPE.INI", kIndex2442To2700);
        // The window shows a page-setup picture at every activation and reports one it cannot load.
        for (int n = 1; n <= 4; ++n) {
            const std::string picture = "portrait" + std::to_string(n) + ".bmp";
            std::filesystem::copy_file(std::filesystem::path(OMENARY_DATA_DIR) / picture,
                                       Working() / picture);
        }
    }
    void TearDown() override {
        logic_.reset();
        TempFolderTest::TearDown();
    }

    std::filesystem::path Working() const { return root_ / "data"; }
    std::filesystem::path Windows() const { return root_ / "config"; }
    std::filesystem::path SettingsPath() const { return Windows() / "MorvitOmenary.ini"; }

    // The program as started on the given date.
    shell::Omenary& Start(platform::Date today = {2547, 3, 15}) {
        clock_ = std::make_unique<platform::FixedClock>(today);
        logic_ = std::make_unique<shell::Omenary>(
            shell::Environment{messages_, *clock_, Working(), Windows(), pictures_});
        return *logic_;
    }

    platform::RecordedMessages messages_;
    // The glyphs of the first start are there unless a test says otherwise.
    FakePictures pictures_;
    std::unique_ptr<platform::FixedClock> clock_;
    std::unique_ptr<shell::Omenary> logic_;
};

}  // namespace omenary::testing
