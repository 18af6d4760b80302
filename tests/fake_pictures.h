// Pictures without files: every name "loads" at the size of a number bitmap, except the names listed
// as missing (matched exactly as asked, so a test names the file as the caller builds it); every
// name asked for is remembered.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/pictures.h"

namespace omenary::testing {

class FakePictures final : public platform::PictureFiles {
  public:
    FakePictures() = default;
    explicit FakePictures(std::set<std::string> missing) : missing_(std::move(missing)) {}

    platform::PictureLookup Load(std::string_view name) const override {
        asked.emplace_back(name);
        if (missing_.contains(std::string(name))) return {platform::PictureStatus::Missing, {}, 0, 0};
        return {platform::PictureStatus::Loaded, folder_ / std::string(name), 17, 17};
    }
    const std::filesystem::path& Folder() const override { return folder_; }
    void SetMissing(std::set<std::string> missing) { missing_ = std::move(missing); }

    mutable std::vector<std::string> asked;

  private:
    std::set<std::string> missing_;
    std::filesystem::path folder_ = "/pictures";
};

}  // namespace omenary::testing
