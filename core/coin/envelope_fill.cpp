#include "core/coin/envelope_fill.h"

#include "core/coin/envelope_page.h"
#include "core/coin/search.h"

namespace omenary::coin {

namespace {

// The date and time texts of slots 1 ... 6 on the envelope.
constexpr std::string_view kDateTexts[kSlotCount] = {"QRLabelLine4", "QRLabelLine5", "QRLabelLine6",
                                                     "QRLabelLine7", "QRLabelLine8", "QRLabelLine9"};
constexpr std::string_view kTimeTexts[kSlotCount] = {"QRLabelLineTime4", "QRLabelLineTime5",
                                                     "QRLabelLineTime6", "QRLabelLineTime7",
                                                     "QRLabelLineTime8", "QRLabelLineTime9"};

// "07" -> "7": the picture names carry the number without its leading zero.
std::string Bare(const std::string& code) {
    const auto n = Number(code);
    return n ? std::to_string(*n) : code;
}

}  // namespace

std::string GiverLine(const CoinValues& values) {
    return "2. ผู้มอบเกิดปี" + values.LabelCoinDetail1 + " อายุ " + values.LabelCoinDetail3 +
           " ปี  เกิดระหว่าง 6 ก.พ. พ.ศ. " + values.LabelCoinDetail2 + " ถึง 1 ก.พ. พ.ศ. ถัดไป";
}

std::string RiteLine(const CoinValues& values) {
    return "    เกิดปี " + values.LabelCoinDetail1 +
           " ๆๆๆ (1 นาที) ขอมอบเหรียญนี้เพื่อปกป้องคุ้มครอง ให้ปราศจากทุกข์โรคภัย อุปสรรคทั้งปวง \"";
}

void FillEnvelopePage(report::Page& page, const CoinValues& values, const platform::PictureFiles& pictures) {
    PlaceEnvelope(page, EnvelopeBasePoint(values.pageOptions));
    page.SetCaption("QRLabelLine1", std::string(kReceiverLine));
    const std::string stem = Bare(values.LabelRasibon), branch = Bare(values.LabelRasiLang);
    page.LoadPicture("QRImageRasiBon", "OS" + stem + ".bmp", pictures);
    page.LoadPicture("QRImageRasiLang", "BS" + branch + ".bmp", pictures);
    page.LoadPicture("QRImageRasiBonNumber", "N" + stem + ".bmp", pictures);
    page.LoadPicture("QRImageRasiLangNumber", "N" + branch + ".bmp", pictures);
    page.SetCaption("QRLabelLine2", GiverLine(values));
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        page.SetCaption(kDateTexts[i], values.LabelOmenaryCoin[i]);
        page.SetCaption(kTimeTexts[i], values.LabelOmenaryTimeCoin[i]);
    }
    page.SetCaption("QRLabelLine10", std::string(kRiteOpening));
    page.SetCaption("QRLabelLine11", RiteLine(values));
    page.SetCaption("QRLabelLine12", std::string(kReceiverAnswer));
    page.SetCaption("QRLabelLine13", std::string(kKeepingLine));
}

bool FillEnvelopeOrReport(report::Page& page, const CoinValues& values,
                          const platform::PictureFiles& pictures, platform::Messages& messages) {
    return report::FillOrReport(messages, [&] {
        page.LoadDesignPictures(pictures);
        FillEnvelopePage(page, values, pictures);
    });
}

bool ButtonPrintOmenaryCoinClick(const CoinValues& values, report::Page& page,
                                 const platform::PictureFiles& pictures, platform::Messages& messages,
                                 report::CalculationView& view) {
    const bool filled = FillEnvelopeOrReport(page, values, pictures, messages);
    if (filled) view.Output(page, values.CheckBoxPagePreview3);
    return filled;
}

}  // namespace omenary::coin
