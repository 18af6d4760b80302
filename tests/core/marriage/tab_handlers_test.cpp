#include "core/marriage/tab_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fake_pictures.h"

namespace omenary::marriage {
namespace {

using omenary::testing::FakePictures;

std::vector<std::string> YearItems() {
    std::vector<std::string> items;
    for (int year = 2443; year <= 2699; ++year)
        items.push_back(std::to_string(year));
    return items;
}

class MarriageHandlers : public ::testing::Test {
  protected:
    Leave LeaveYear(Person person, const std::string& text) {
        values_.*FieldsOf(person).ComboBoxYear = text;
        return ComboBoxYearExit(values_, person, YearItems(), pictures_, messages_);
    }
    Leave LeaveParent(Parent parent, const std::string& text) {
        values_.*FieldsOf(parent).list = text;
        return ComboBoxParentExit(values_, parent);
    }

    MarriageValues values_;
    FakePictures pictures_;
    platform::RecordedMessages messages_;
};

TEST_F(MarriageHandlers, ABirthYearGivesItsStemBranchGlyphsAndName) {
    struct Case {
        Person person;
        const char* year;
        const char* stem;
        const char* branch;
        const char* name;
    };
    const Case cases[] = {
        {Person::Groom, "2467", "1", "1",          "ชวด"},
        {Person::Bride, "2517", "1", "3",          "ขาล"},
        {Person::Groom, "2443", "7", "1",          "ชวด"},
        {Person::Bride, "2520", "4", "6", "มะเส็ง"},
        {Person::Groom, "2699", "3", "5",    "มะโรง"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(LeaveYear(c.person, c.year), Leave::Accepted) << c.year;
        const BirthYearFields f = FieldsOf(c.person);
        EXPECT_EQ(values_.*f.stem, c.stem) << c.year;
        EXPECT_EQ(values_.*f.branch, c.branch) << c.year;
        EXPECT_EQ(values_.*f.stemPicture, std::string("OS") + c.stem + ".bmp") << c.year;
        EXPECT_EQ(values_.*f.stemHint, c.stem) << c.year;
        EXPECT_EQ(values_.*f.branchPicture, std::string("BS") + c.branch + ".bmp") << c.year;
        EXPECT_EQ(values_.*f.branchHint, c.branch) << c.year;
        EXPECT_EQ(values_.*f.name, c.name) << c.year;
    }
    EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(MarriageHandlers, AYearThatIsNotAnItemIsRefusedAndChangesNothing) {
    ASSERT_EQ(LeaveYear(Person::Groom, "2517"), Leave::Accepted);
    const MarriageValues before = values_;
    for (const char* text : {"2517 ", " 2517", "25170", "2442", "2700", "", "๒๕๑๗", "2517.0"}) {
        EXPECT_EQ(LeaveYear(Person::Groom, text), Leave::Refused) << text;
        EXPECT_EQ(values_.ComboBoxYearBoy1, before.ComboBoxYearBoy1) << text;
        EXPECT_EQ(values_.ComboBoxYearBoy2, before.ComboBoxYearBoy2) << text;
        EXPECT_EQ(values_.ImageYearBoy1, before.ImageYearBoy1) << text;
        EXPECT_EQ(values_.LabelnameYearBoy, before.LabelnameYearBoy) << text;
    }
    EXPECT_TRUE(messages_.Texts().empty());
}

// A calendar of the user's own can list years before the first one with codes.
TEST_F(MarriageHandlers, AnItemOfAYearWithoutCodesIsRefusedSayingWhichYearsAreSupported) {
    std::vector<std::string> items;
    for (int year = 2401; year <= 2599; ++year)
        items.push_back(std::to_string(year));
    values_.ComboBoxYearBoy = "2420";
    EXPECT_EQ(ComboBoxYearExit(values_, Person::Groom, items, pictures_, messages_), Leave::Refused);
    EXPECT_TRUE(pictures_.asked.empty());
    EXPECT_EQ(messages_.Texts().size(), 1u);
}

TEST_F(MarriageHandlers, AMissingGlyphIsReportedAndEndsTheUpdateWithTheCodesSet) {
    struct Case {
        const char* missing;
        const char* stemPicture;
        const char* branchPicture;
    };
    const Case cases[] = {
        {"OS4.bmp",        "", ""},
        {"BS6.bmp", "OS4.bmp", ""},
    };
    for (const Case& c : cases) {
        values_ = MarriageValues();
        pictures_.SetMissing({c.missing});
        messages_ = platform::RecordedMessages();
        EXPECT_EQ(LeaveYear(Person::Bride, "2520"), Leave::Accepted);
        EXPECT_EQ(values_.ComboBoxYearGirl1, "4");
        EXPECT_EQ(values_.ComboBoxYearGirl2, "6");
        EXPECT_EQ(values_.Imageyeargirl1, c.stemPicture);
        EXPECT_EQ(values_.Imageyeargirl2, c.branchPicture);
        EXPECT_EQ(values_.Labelnameyeargirl, "ปีเกิด");
        ASSERT_EQ(messages_.Entries().size(), 1u);
        EXPECT_EQ(messages_.Entries()[0].icon, platform::MessageIcon::Error);
        EXPECT_NE(messages_.Entries()[0].text.find(c.missing), std::string::npos);
    }
}

TEST_F(MarriageHandlers, AParentEntryGivesTheBranchCodeOrZero) {
    struct Case {
        const char* text;
        Leave leave;
        const char* code;  // after the entry, starting from "7"
    };
    const Case cases[] = {
        {                     "", Leave::Accepted,  "0"},
        {    "10 = ระกา", Leave::Accepted, "10"},
        { "05 = มะโรง", Leave::Accepted,  "5"},
        {       "12 = กุน", Leave::Accepted, "12"},
        {       "01 = ชวด", Leave::Accepted,  "1"},
        {                    "5",  Leave::Refused,  "7"},
        {                   "05",  Leave::Refused,  "7"},
        {      "มะโรง",  Leave::Refused,  "7"},
        {" 05 = มะโรง",  Leave::Refused,  "7"},
        {       "13 = ชวด",  Leave::Refused,  "7"},
    };
    for (const Parent parent : kParents) {
        for (const Case& c : cases) {
            values_.*FieldsOf(parent).code = "7";
            EXPECT_EQ(LeaveParent(parent, c.text), c.leave) << c.text;
            EXPECT_EQ(values_.*FieldsOf(parent).code, c.code) << c.text;
        }
    }
}

}  // namespace
}  // namespace omenary::marriage
