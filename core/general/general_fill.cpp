#include "core/general/general_fill.h"

#include <algorithm>
#include <array>

#include "core/astro/cycles.h"
#include "core/astro/relations.h"
#include "core/common/text.h"
#include "core/general/calculation.h"
#include "core/general/general_page.h"

namespace omenary::general {

namespace {

using report::Page;

constexpr std::string_view kBlank = "os0.bmp";

// Compass picture ranges in tenths, tested in this order (a boundary degree belongs to the first).
struct CompassRange {
    int low;
    int high;
    std::string_view file;
};

constexpr std::array<CompassRange, 25> kCompassPictures = {
    {
     {3525, 3600, "BS0.bmp"}, {0, 75, "BS0.bmp"}, {75, 225, "OS10.bmp"}, {225, 375, "BS0.bmp"},
     {375, 525, "C45.bmp"}, {525, 675, "BS0.bmp"}, {675, 825, "OS1.bmp"}, {825, 975, "BS0.bmp"},
     {975, 1125, "OS2.bmp"}, {1125, 1275, "BS0.bmp"}, {1275, 1425, "C135.bmp"}, {1425, 1575, "BS0.bmp"},
     {1575, 1725, "OS3.bmp"}, {1725, 1875, "BS0.bmp"}, {1875, 2025, "OS4.bmp"}, {2025, 2175, "BS0.bmp"},
     {2175, 2325, "C225.bmp"}, {2325, 2475, "BS0.bmp"}, {2475, 2625, "OS7.bmp"}, {2625, 2775, "BS0.bmp"},
     {2775, 2925, "OS8.bmp"}, {2925, 3075, "BS0.bmp"}, {3075, 3225, "C315.bmp"}, {3225, 3375, "BS0.bmp"},
     {3375, 3525, "OS9.bmp"},
     }
};

// The year-star cells 1 ... 9 and the direction each one stands for (south at the top of the grid).
constexpr std::array<std::string_view, 9> kYearStarDirections = {"Center", "315", "270", "45", "180",
                                                                 "0",      "225", "90",  "135"};

inline constexpr std::string_view kPerson1Note = "อสูรบุคคล - จะเกิดเรื่องวุ่นวาย";
inline constexpr std::string_view kPerson1Note2 = "* หากจำเป็น สามารถใช้ได้ *";
inline constexpr std::string_view kNoUsableBranch = "ไม่มี   *** ให้ใช้ฤกษ์ 4 ทิศ ( ฤกษ์ปลอดภัย )  แทน ***";
inline constexpr std::string_view kFiveYellowWarning =
    "*** ทิศกระทำการกระทบดาวเบญจภูติ ( ดาว 5 ) แก้ไขโดย ให้ราดน้ำ 5 ขันก่อนกระทบ ***";

// A list slot is taken when it does not start with the letter l of its placeholder.
bool SlotUsed(const std::string& slot) {
    return !slot.empty() && ToLowerAscii(slot.front()) != 'l';
}

class Filler {
  public:
    Filler(Page& page, GeneralValues& values, const platform::Date& today,
           const platform::PictureFiles& pictures)
        : page_(page), v_(values), today_(today), pictures_(pictures) {}

    void Run() {
        Reset();
        HeaderTexts();
        AspectRows();
        CompassPictures();
        PersonRows();
        YearRow();
        BranchLists();
        UniversalElementRow();
        StatusLine();
        page_.SetCaption("QRLabelcurrentdate", report::DateLine(today_));
        YearStarGrid();
        UsableStars();
        StageStars();
        MonthStarBox();
        FiveYellowWarning();
        NobleBranches();
        TiltBlanking();
    }

  private:
    void Load(const std::string& slot, std::string_view file) { page_.LoadPicture(slot, file, pictures_); }

    void FillCell(const BranchCellNames& cell, const std::string& code) {
        page_.SetCaption(cell.mark, "/");
        Load(cell.picture, "BS" + code + ".BMP");
        Load(cell.number, "N" + code + ".BMP");
    }
    void ClearCell(const BranchCellNames& cell) {
        page_.SetCaption(cell.mark, "");
        Load(cell.picture, kBlank);
        Load(cell.number, kBlank);
    }
    void BlankPictures(const BranchCellNames& cell) {
        Load(cell.picture, kBlank);
        Load(cell.number, kBlank);
    }

    static constexpr std::array<CellColumn, 5> kAspectColumns = {
        CellColumn::Branch, CellColumn::Clash, CellColumn::EvilMeans, CellColumn::EvilMaster,
        CellColumn::EvilTreasury};
    static constexpr std::array<CellColumn, 3> kPersonColumns = {CellColumn::Branch, CellColumn::Clash,
                                                                 CellColumn::EvilMeans};
    static constexpr std::array<CellColumn, 2> kYearColumns = {CellColumn::Branch, CellColumn::Clash};

    void Reset() {
        for (int a = 0; a < 3; ++a)
            for (int row = 1; row <= 2; ++row)
                for (const CellColumn column : kAspectColumns)
                    BlankPictures(AspectCell(a, row, column));
        for (int p = 1; p <= 2; ++p)
            for (const CellColumn column : kPersonColumns)
                BlankPictures(PersonCell(p, column));
        for (const CellColumn column : kYearColumns)
            BlankPictures(YearCell(column));
        for (const std::string_view aspect : kAspectNames)
            Load("QRImage" + std::string(aspect), kBlank);
        Load("QRImagetangeigjueninglang1", kBlank);
        Load("QRImagetangeigjueninglang2", kBlank);
        for (int i = 1; i <= 12; ++i) {
            page_.SetCaption("QRLabelStar" + std::to_string(i), "");
            page_.SetCaption("QRLabelStarC" + std::to_string(i), "");
        }
    }

    void HeaderTexts() {
        for (std::size_t a = 0; a < 3; ++a)
            page_.SetCaption("QRLabel" + std::string(kAspectNames[a]), v_.aspects[a].ComboBoxaspect);
        page_.SetCaption("QRLabelperson1", v_.ComboBoxperson1);
        page_.SetCaption("QRLabelperson2", v_.ComboBoxperson2);
        page_.SetCaption("QRLabelYearProcess", v_.year.ComboBoxYearProcess);
    }

    void AspectRows() {
        for (int a = 0; a < 3; ++a) {
            const AspectValues& aspect = v_.aspects[static_cast<std::size_t>(a)];
            const std::string n = std::to_string(a + 1);
            for (std::size_t k = 0; k < 2; ++k) {
                const int row = static_cast<int>(k) + 1;
                for (const CellColumn column : kAspectColumns)
                    page_.SetCaption(AspectCell(a, row, column).mark, "");
                if (aspect.Labelcodeaspect[k].empty()) continue;
                const std::array<const std::string*, 5> codes = {
                    &aspect.Labelcodeaspect[k], &aspect.Labelclashcodeaspect[k],
                    &aspect.Labelevilmeanscodeaspect[k], &aspect.Labelevilmastercodeaspect[k],
                    &aspect.Labeleviltreasurycodeaspect[k]};
                for (std::size_t c = 0; c < kAspectColumns.size(); ++c)
                    FillCell(AspectCell(a, row, kAspectColumns[c]), *codes[c]);
                page_.SetCaption("QRLabelPrev" + n, row == 1 ? "" : "เอียงถอย");
                page_.SetCaption("QRLabelBack" + n, row == 1 ? "" : "เอียงหน้า");
            }
        }
    }

    void CompassPictures() {
        for (std::size_t a = 0; a < 3; ++a) {
            const std::string file = CompassPictureOfDegree(v_.aspects[a].ComboBoxaspect);
            if (!file.empty()) Load("QRImage" + std::string(kAspectNames[a]), file);
        }
    }

    void PersonRows() {
        const std::array<const std::string*, 3> person1 = {&v_.Labelcodeperson1, &v_.Labelclashcodeperson1,
                                                           &v_.labelevilreturntreasurycodeperson1};
        const std::array<const std::string*, 3> person2 = {&v_.Labelcodeperson2, &v_.Labelclashcodeperson2,
                                                           &v_.labelevilreturntreasurycodeperson2};
        for (int p = 1; p <= 2; ++p) {
            const auto& codes = p == 1 ? person1 : person2;
            for (const CellColumn column : kPersonColumns)
                page_.SetCaption(PersonCell(p, column).mark, "");
            if (p == 1) {
                page_.SetCaption("QRLabelperson1note", "");
                page_.SetCaption("QRLabelperson1note2", "");
            }
            if (codes[0]->empty()) continue;
            for (std::size_t c = 0; c < kPersonColumns.size(); ++c)
                FillCell(PersonCell(p, kPersonColumns[c]), *codes[c]);
            if (p == 1) {
                page_.SetCaption("QRLabelperson1note", std::string(kPerson1Note));
                page_.SetCaption("QRLabelperson1note2", std::string(kPerson1Note2));
            }
        }
    }

    void YearRow() {
        for (const CellColumn column : kYearColumns)
            page_.SetCaption(YearCell(column).mark, "");
        if (v_.LabelcodeYearProcess.empty()) return;
        FillCell(YearCell(CellColumn::Branch), v_.LabelcodeYearProcess);
        FillCell(YearCell(CellColumn::Clash), v_.LabelclashcodeYearProcess);
    }

    void BranchList(const std::array<std::string, 12>& slots, std::string_view kind) {
        const std::string image = "QRImage" + std::string(kind);
        for (std::size_t i = 0; i < 12; ++i) {
            const std::string n = std::to_string(i + 1);
            page_.SetCaption("QRLabelCode" + std::string(kind) + n, "");
            Load(image + n, "OS0.BMP");
            Load(image + "number" + n, "OS0.BMP");
            if (!SlotUsed(slots[i])) continue;
            Load(image + n, "BS" + slots[i] + ".BMP");
            page_.SetCaption("QRLabelCode" + std::string(kind) + n, "/");
            Load(image + "number" + n, "N" + slots[i] + ".BMP");
        }
    }

    void BranchLists() {
        page_.SetCaption("QRLabelUseOmenary4Tid", "");
        BranchList(v_.Labelcanused, "Canuse");
        if (!SlotUsed(v_.Labelcanused[0]))
            page_.SetCaption("QRLabelUseOmenary4Tid", std::string(kNoUsableBranch));
        BranchList(v_.Labelcannotused, "Cannotuse");
    }

    // The branch of stage i (1 ... 12), counted on from the element's first stage.
    std::optional<int> StageBranch(int i) const {
        const auto first = ParseDigits(v_.LabelUniversalElement);
        if (!first || *first > 12) return std::nullopt;
        int b = static_cast<int>(*first) + i - 1;
        while (b > 12)
            b -= 12;
        return b;
    }

    void UniversalElementRow() {
        page_.SetCaption("QRLabelUniversalElement", v_.LabelRasriUniversalElement);
        if (const std::string picture = astro::ElementPictureOfName(v_.LabelRasriUniversalElement);
            !picture.empty())
            Load("QRImageUniversalElement", picture);
        for (int i = 1; i <= 12; ++i) {
            const auto b = StageBranch(i);
            if (!b) continue;
            Load("QRImageCC" + std::to_string(i), "BS" + std::to_string(*b) + ".BMP");
            const bool usable = ToLowerAscii(UsableBranchVerdict(v_, *b)) == "yes";
            Load("QRImageCCyn" + std::to_string(i), usable ? "ok.BMP" : "no.BMP");
        }
    }

    void StatusLine() {
        page_.SetCaption("QRLabelaspectbackofhomestatus", v_[Aspect::BackOfHome].Labelaspectstatus);
        page_.SetCaption("QRLabelaspectprominentstatus", v_[Aspect::Prominent].Labelaspectstatus);
        page_.SetCaption("QRLabelaspectperformstatus", v_[Aspect::Perform].Labelaspectstatus);
        std::string line;
        if (!v_[Aspect::Perform].Labelaspectstatus.empty()) {
            line = "*** ทิศกระทำการ" + v_[Aspect::Perform].Labelaspectstatus;
        } else if (!v_[Aspect::Prominent].Labelaspectstatus.empty()) {
            line = "*** ทิศประธาน" + v_[Aspect::Prominent].Labelaspectstatus;
        } else if (!v_[Aspect::BackOfHome].Labelaspectstatus.empty()) {
            line = "*** ทิศหลังบ้าน" + v_[Aspect::BackOfHome].Labelaspectstatus;
        }
        if (!v_[Aspect::Perform].LabelTidTodToy.empty())
            line += line.empty() ? "*** ทิศกระทำการเป็นทิศถดถอย" : ", ทิศกระทำการเป็นทิศถดถอย";
        if (!line.empty()) line += " ***";
        page_.SetCaption("QRLabelTidTodToy", line);
    }

    void YearStarGrid() {
        page_.SetCaption("QRLabelnumberyearstar", "ดาวปีจร " + v_.ComboBoxBudhaYearProcess);
        std::string star = v_.Labelyearstar;
        for (int cell = 1; cell <= 9; ++cell) {
            if (cell > 1) {
                const auto n = ParseDigits(star);
                star = n ? std::to_string(*n + 1 > 9 ? *n - 8 : *n + 1) : std::string{};
            }
            page_.SetCaption("QRLabelyearstar" + std::to_string(cell), star);
            page_.SetFontColour("QRLabelyearstar" + std::to_string(cell), report::Colour::Black);
        }
        for (int cell = 1; cell <= 9; ++cell) {
            const std::string name = "QRLabelyearstar" + std::to_string(cell);
            if (page_.Caption(name) != "5") continue;
            page_.SetFontColour(name, report::Colour::Red);
            v_.Labelwarning5 = std::string(kYearStarDirections[static_cast<std::size_t>(cell - 1)]);
            break;
        }
    }

    bool IsPersonTreasury(const std::string& code) const {
        return code == v_.labelevilreturntreasurycodeperson1 || code == v_.labelevilreturntreasurycodeperson2;
    }

    void UsableStars() {
        for (std::size_t i = 0; i < 12; ++i)
            if (IsPersonTreasury(v_.Labelcanused[i]))
                page_.SetCaption("QRLabelStar" + std::to_string(i + 1), "*");
    }

    void StageStars() {
        for (int i = 1; i <= 12; ++i) {
            const auto b = StageBranch(i);
            if (!b) continue;
            const std::string code = std::to_string(*b);
            const bool usable =
                std::find(v_.Labelcanused.begin(), v_.Labelcanused.end(), code) != v_.Labelcanused.end();
            if (!IsPersonTreasury(code) || !usable) continue;
            page_.SetCaption("QRLabelStarC" + std::to_string(i), "*");
            Load("QRImageCCyn" + std::to_string(i), "OS0.bmp");
        }
    }

    void MonthStarBox() {
        const astro::MonthStars& s = v_.monthStars;
        page_.SetCaption("QRLabelmonthnamestarcurrent", astro::MonthNameOfCode(TwoDigits(today_.month)));
        page_.SetCaption("QRLabelmonthstarcurrent", s.Labelmonthstar1);
        const std::array<const std::string*, 3> months = {&s.Labelnextmonthstar1, &s.Labelnextmonthstar2,
                                                          &s.Labelnextmonthstar3};
        const std::array<const std::string*, 3> stars = {&s.Labelmonthstar2, &s.Labelmonthstar3,
                                                         &s.Labelmonthstar4};
        for (std::size_t r = 0; r < 3; ++r) {
            const std::string n = std::to_string(r + 1);
            page_.SetCaption("QRLabelmonthnamestarcurrentnext" + n, astro::MonthNameOfCode(*months[r]));
            page_.SetCaption("QRLabelmonthstarcurrentnext" + n, *stars[r]);
        }
    }

    void FiveYellowWarning() {
        page_.SetCaption("QRLabelwarning5", "");
        const std::string& w = v_.Labelwarning5;
        const auto x = ParseTenths(v_[Aspect::Perform].ComboBoxaspect);
        const auto direction = ParseDigits(w);
        if (!x || w == "Center" || !direction) return;
        const long long centre = *direction * 10;
        const bool shows = w == "0" ? (*x >= 3376 && *x <= 3600) || (*x >= 0 && *x <= 224)
                                    : *x >= centre - 224 && *x <= centre + 225;
        if (shows) page_.SetCaption("QRLabelwarning5", std::string(kFiveYellowWarning));
    }

    void NobleBranches() {
        Load("QRImagetangeigjueninglang1",
             "BS" + astro::TangeigjueninglangCode1(v_.year.LabelRasibonYearProcess) + ".BMP");
        Load("QRImagetangeigjueninglang2",
             "BS" + astro::TangeigjueninglangCode2(v_.year.LabelRasibonYearProcess) + ".BMP");
    }

    void TiltBlanking() {
        for (int a = 0; a < 3; ++a) {
            if (!InWideZoneWindow(v_.aspects[static_cast<std::size_t>(a)].ComboBoxaspect)) continue;
            const std::string n = std::to_string(a + 1);
            page_.SetCaption("QRLabelPrev" + n, "");
            page_.SetCaption("QRLabelBack" + n, "");
            ClearCell(AspectCell(a, 1, CellColumn::Branch));
            ClearCell(AspectCell(a, 1, CellColumn::Clash));
        }
    }

    Page& page_;
    GeneralValues& v_;
    const platform::Date& today_;
    const platform::PictureFiles& pictures_;
};

}  // namespace

std::string CompassPictureOfDegree(std::string_view degree) {
    const auto x = ParseDecimal(degree);
    if (!x) return {};
    const auto range =
        std::find_if(kCompassPictures.begin(), kCompassPictures.end(),
                     [&](const CompassRange& r) { return *x >= r.low / 10.0 && *x <= r.high / 10.0; });
    return range == kCompassPictures.end() ? std::string{} : std::string(range->file);
}

void FillGeneralPage(report::Page& page, GeneralValues& values, const platform::Date& today,
                     const platform::PictureFiles& pictures) {
    Filler(page, values, today, pictures).Run();
}

bool ButtoncalculateomenaryClick(GeneralValues& values, report::Page& page, const platform::Date& today,
                                 const platform::PictureFiles& pictures, platform::Messages& messages,
                                 report::CalculationView& view) {
    view.ShowHourglass();
    const PersonTexts remembered = CalculateGeneralOmenary(values, today.month);
    view.RestoreCursor();
    const bool filled = report::FillOrReport(messages, [&] {
        page.LoadDesignPictures(pictures);
        FillGeneralPage(page, values, today, pictures);
    });
    if (filled) view.Output(page, values.CheckBoxPagePreview1);
    RestorePersonTexts(values, remembered);
    return filled;
}

}  // namespace omenary::general
