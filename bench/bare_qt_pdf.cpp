// The floor for a command-line run that writes a page: a bare Qt 6 program that starts, writes a
// one-page A4 PDF with one line of Thai text, and ends. Run with QT_QPA_PLATFORM=offscreen and the
// output file as its argument.
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QPdfWriter writer(argc > 1 ? argv[1] : "bare.pdf");
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    painter.setFont(QFont("Umpush", 16));
    painter.drawText(1000, 1000, QString::fromUtf8("ฤกษ์ทั่วไป"));
    painter.end();
    return 0;
}
