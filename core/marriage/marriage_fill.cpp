#include "core/marriage/marriage_fill.h"

#include <utility>

#include "core/astro/cycles.h"
#include "core/astro/relations.h"
#include "core/common/text.h"
#include "core/marriage/calculation.h"
#include "core/marriage/marriage_page.h"
#include "core/marriage/relations.h"

namespace omenary::marriage {

namespace {

using report::Page;

constexpr std::string_view kNoParent = "BS0.BMP";
constexpr std::string_view kBlank = "OS0.BMP";

class Filler {
  public:
    Filler(Page& page, const MarriageValues& values, const platform::Date& today,
           const platform::PictureFiles& pictures)
        : page_(page), v_(values), today_(today), pictures_(pictures) {}

    void Run() {
        ForbiddenRow();
        MonthCells();
        UsableGrid();
        BirthAndStemRows();
        page_.SetCaption("QRLabelcurrentdate2", report::DateLine(today_));
        NobleBranches();
        LonelyBox();
        page_.SetCaption("QRLabelYearNow", std::to_string(Year()));
        page_.SetCaption("QRLabelYearNext", std::to_string(Year() + 1));
    }

  private:
    int Year() const { return platform::BuddhistEraYear(today_.year); }

    void Load(std::string_view slot, const std::string& file) { page_.LoadPicture(slot, file, pictures_); }

    void Cell(std::string_view picture, std::string_view text, const std::string& file,
              const std::string& code) {
        Load(picture, file);
        page_.SetCaption(text, "/" + code);
    }
    void BranchCell(std::string_view picture, const std::string& code) {
        Cell(picture, CellOf(picture).text, BranchCellPicture(code), code);
    }
    void StemCell(std::string_view picture, const std::string& code) {
        Cell(picture, CellOf(picture).text, StemCellPicture(code), code);
    }
    // A parent not entered ("0") shows the no-parent picture and no text.
    void ParentCell(std::string_view picture, const std::string& code) {
        if (code != "0") return BranchCell(picture, code);
        Load(picture, std::string(kNoParent));
        page_.SetCaption(CellOf(picture).text, "");
    }

    void ForbiddenRow() {
        BranchCell("QRImageRSLchildchong", v_.LabelRSLchildchong);
        BranchCell("QRImageRSLchong", v_.LabelRSLchong);
        ParentCell("QRImageRSLporchildchong", v_.LabelRSLporchildchong);
        ParentCell("QRImageRSLmachildchong", v_.LabelRSLmachildchong);
        ParentCell("QRImageRSLporchong", v_.LabelRSLporchong);
        ParentCell("QRImageRSLmachong", v_.LabelRSLmachong);
    }

    void MonthCells() {
        const std::pair<std::string_view, const std::string*> cells[] = {
            {    "QRImage_asonejorsol1",     &v_.Label_asonejorsol1},
            {    "QRImage_asonejorsol2",     &v_.Label_asonejorsol2},
            {    "QRImage_asonejorbol1",     &v_.Label_asonejorbol1},
            {    "QRImage_asonejorbol2",     &v_.Label_asonejorbol2},
            {"QRImage_kordpormajorsol1", &v_.Label_kordpormajorsol1},
            {"QRImage_kordpormajorsol2", &v_.Label_kordpormajorsol2},
            {"QRImage_kordpormajorbol1", &v_.Label_kordpormajorbol1},
            {"QRImage_kordpormajorbol2", &v_.Label_kordpormajorbol2},
            {       "QRImage_dornlarp1",        &v_.Label_dornlarp1},
            {       "QRImage_dornlarp2",        &v_.Label_dornlarp2},
            {       "QRImage_dornchok1",        &v_.Label_dornchok1},
            {       "QRImage_dornchok2",        &v_.Label_dornchok2},
            {"QRImage_numnengkengchong", &v_.Label_numnengkengchong},
            {     "QRImage_dernhorrang",      &v_.Label_dernhorrang},
            {     "QRImage_yarmzingbud",      &v_.Label_yarmzingbud},
            {              "QRImagepnb",       &v_.Labelpoyovjorbol},
            {              "QRImagepns",       &v_.Labelpoyovjorsol},
            {   "QRImagetisolsiljorbol",    &v_.Labeltisolsiljorbol},
            {   "QRImagetisolsiljorsol",    &v_.Labeltisolsiljorsol},
        };
        for (const auto& [picture, code] : cells)
            BranchCell(picture, *code);
    }

    void UsableGrid() {
        const std::array<const std::array<std::string, 12>*, 4> lists = {
            &v_.Labelusedraseeyam, &v_.Labelusedraseeone, &v_.Labelusedraseedeang, &v_.Labelusedraseepee};
        for (std::size_t c = 0; c < lists.size(); ++c) {
            for (int slot = 1; slot <= kUsableSlotsShown; ++slot) {
                const UsableCellNames cell = UsableCell(static_cast<UsableColumn>(c), slot);
                const std::string& code = (*lists[c])[static_cast<std::size_t>(slot - 1)];
                if (!code.empty()) {
                    Cell(cell.picture, cell.text, BranchCellPicture(code), code);
                } else {
                    Load(cell.picture, std::string(kBlank));
                    page_.SetCaption(cell.text, "");
                }
            }
        }
    }

    void BirthAndStemRows() {
        StemCell("QRImageRSB", v_.LabelRSB);
        StemCell("QRImageRSBchild", v_.LabelRSBchild);
        BranchCell("QRImageRSL", v_.LabelRSL);
        BranchCell("QRImageRSLchild", v_.LabelRSLchild);
        BranchCell("QRImage_numnengkeng", v_.Label_numnengkeng);
        ParentCell("QRImageRSLpor", v_.LabelRSLpor);
        ParentCell("QRImageRSLma", v_.LabelRSLma);
        ParentCell("QRImageRSLporchild", v_.LabelRSLporchild);
        ParentCell("QRImageRSLmachild", v_.LabelRSLmachild);
    }

    void NobleBranches() {
        const std::string stem = astro::StemOfBEYear(Year());
        const std::string next = astro::StemOfBEYear(Year() + 1);
        Load("QRImagetangeigjueninglang1", BranchCellPicture(astro::TangeigjueninglangCode1(stem)));
        Load("QRImagetangeigjueninglang2", BranchCellPicture(astro::TangeigjueninglangCode2(stem)));
        Load("QRImagetangeigjueninglangnext1", BranchCellPicture(astro::TangeigjueninglangCode1(next)));
        Load("QRImagetangeigjueninglangnext2", BranchCellPicture(astro::TangeigjueninglangCode2(next)));
    }

    void LonelyBox() {
        // The design wrote these two names with a lower-case extension.
        Load("QRImagekozing", "B" + GroomLonelyBranch(v_.LabelRSLchild) + ".bmp");
        Load("QRImagekozoung", "B" + BrideLonelyBranch(v_.LabelRSL) + ".bmp");
    }

    Page& page_;
    const MarriageValues& v_;
    const platform::Date& today_;
    const platform::PictureFiles& pictures_;
};

}  // namespace

std::string BranchCellPicture(const std::string& code) {
    return "B" + code + ".BMP";
}
std::string StemCellPicture(const std::string& code) {
    return "O" + code + ".BMP";
}

void FillMarriagePage(report::Page& page, const MarriageValues& values, const platform::Date& today,
                      const platform::PictureFiles& pictures) {
    Filler(page, values, today, pictures).Run();
}

bool ButtonPrintMarryOmenaryClick(const MarriageValues& values, report::Page& page,
                                  const platform::Date& today, const platform::PictureFiles& pictures,
                                  platform::Messages& messages, report::CalculationView& view) {
    const bool filled = report::FillOrReport(messages, [&] {
        page.LoadDesignPictures(pictures);
        FillMarriagePage(page, values, today, pictures);
    });
    if (filled) view.Output(page, values.CheckBoxPagePreview2);
    return filled;
}

bool ButtonCalcOmenaryMarryClick(MarriageValues& values, report::Page& page, const platform::Date& today,
                                 const platform::PictureFiles& pictures, platform::Messages& messages,
                                 report::CalculationView& view) {
    CalculateMarriageOmenary(values);
    return ButtonPrintMarryOmenaryClick(values, page, today, pictures, messages, view);
}

}  // namespace omenary::marriage
