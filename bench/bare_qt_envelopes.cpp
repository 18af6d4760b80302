// The floor for a list of envelopes: a bare Qt 6 program that starts, draws as many A4 pages as asked
// into one PDF, each with the envelope's texts and its five pictures, and ends. It knows nothing of
// the omenary; it is what Qt alone takes for the same drawing. Run with QT_QPA_PLATFORM=offscreen:
//   bare_qt_envelopes OUT.pdf DATA_DIR PAGES
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <cstdlib>

namespace {

struct Line {
    int x, y;
    const char* text;
};

// The envelope's lines at their places in 1/96 inch, as the horizontal placement at the left puts them.
constexpr Line kLines[] = {
    {  3,   4,                                                                                                                                              "1. ชื่อผู้รับ ................................................................. รับเหรียญ "},
    {334,   2,                                                                                                                                                                                                                                                                "(     /      )"},
    {  3,  26,                                                                                             "2. ผู้มอบเกิดปีชวด อายุ 41 ปี  เกิดระหว่าง 6 ก.พ. พ.ศ. 2527 ถึง 1 ก.พ. พ.ศ. ถัดไป"},
    {  3,  48,                                                                                                                                                                                                                                                                            "3."},
    { 14,  48,                                                                                                                                                                                                                   "ฤกษ์ที่มอบ คือ วันที่"},
    {107,  48,                                                                                                                                                                                                                                     "อ.6 กุมภาพันธ์ 2567"},
    {226,  48,                                                                                                                                                                                                                                                              "15:30-16:30 น."},
    {107,  70,                                                                                                                                                                                                                                 "อา.18 กุมภาพันธ์ 2567"},
    {226,  70,                                                                                                                                                                                                                                                              "07:30-08:30 น."},
    {107,  92,                                                                                                                                                                                                                                                 "ส.6 เมษายน 2567"},
    {226,  92,                                                                                                                                                                                                                                                              "15:30-16:30 น."},
    {107, 114,                                                                                                                                                                                                                                             "พฤ.18 เมษายน 2567"},
    {226, 114,                                                                                                                                                                                                                                                              "07:30-08:30 น."},
    {305,  92,                                                                                                                                                                                                                                                                             ","},
    {313,  92,                                                                                                                                                                                                                                                 "ศ.1 มีนาคม 2567"},
    {432,  92,                                                                                                                                                                                                                                                         "ทั้งวัน"},
    {305, 114,                                                                                                                                                                                                                                                                             ","},
    {313, 114,                                                                                                                                                                                                                                                "อ.30 เมษายน 2567"},
    {432, 114,                                                                                                                                                                                                                                                         "ทั้งวัน"},
    {  3, 138,                                 "4. ผู้มอบตั้งนะโม 3 จบ และกล่าวว่า \" ด้วยอำนาจคุณพระพุทธ คุณพระธรรม คุณพระสงฆ์  ข้าพเจ้า"},
    {  3, 160, "    เกิดปี ชวด ๆๆๆ (1 นาที) ขอมอบเหรียญนี้เพื่อปกป้องคุ้มครอง ให้ปราศจากทุกข์โรคภัย อุปสรรคทั้งปวง \""},
    {  3, 187,                       "5. ผู้รับมอบกล่าวว่า \" สาธุ \" 3 ครั้ง และมอบส้ม 4 ลูก พร้อมซองแดงให้ผู้มอบ และควรทำบุญสังฆทาน"},
    {  3, 209,                                                                   "6. ให้พกเหรียญไว้จนถึง 4 กุมภาพันธ์ พ.ศ. ........................ จึงเอาออก  หรือ พกตลอดชีวิต"},
    {  3, 246,                                                                                                                                                                                                             "พิมพ์ด้วยโปรแกรม MORVIT - Omenary"},
    {148, 270,                                                                                                                                                                  "ห้ามผู้รับจับเหรียญก่อนถึงฤกษ์รับมอบ"},
};

struct Picture {
    int x, y, w, h;
    const char* file;
};

constexpr Picture kPictures[] = {
    {292, 5, 17, 16,    "OS1.bmp"},
    {311, 5, 17, 16,    "BS1.bmp"},
    {339, 5, 10, 16,     "N1.bmp"},
    {359, 5, 10, 16,     "N1.bmp"},
    {385, 1, 95, 78, "emblem.bmp"},
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 4) return 2;
    const QDir data(QString::fromLocal8Bit(argv[2]));
    const int pages = std::atoi(argv[3]);
    QImage pictures[std::size(kPictures)];
    for (std::size_t i = 0; i < std::size(kPictures); ++i)
        pictures[i] = QImage(data.filePath(QString::fromLatin1(kPictures[i].file)));
    QString texts[std::size(kLines)];
    for (std::size_t i = 0; i < std::size(kLines); ++i)
        texts[i] = QString::fromUtf8(kLines[i].text);

    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter(&writer);
    const double scale = writer.resolution() / 96.0;
    QFont font(QStringLiteral("Umpush"));
    font.setPixelSize(160);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        for (std::size_t i = 0; i < std::size(kPictures); ++i)
            painter.drawImage(QRectF(kPictures[i].x, kPictures[i].y, kPictures[i].w, kPictures[i].h),
                              pictures[i]);
        painter.setFont(font);
        painter.scale(1 / 16.0, 1 / 16.0);
        for (std::size_t i = 0; i < std::size(kLines); ++i)
            painter.drawText(QPointF(kLines[i].x * 16, kLines[i].y * 16 + 160), texts[i]);
        painter.drawText(QPointF(60 * 16, 4 * 16 + 160), QStringLiteral("ผู้รับ ") + QString::number(page));
        painter.restore();
        painter.drawLine(QPointF(3 * scale, 239 * scale), QPointF(487 * scale, 239 * scale));
        painter.drawRect(QRectF(144 * scale, 268 * scale, 195 * scale, 23 * scale));
    }
    return painter.end() ? 0 : 1;
}
