// The page's pictures in its PDF. Qt compresses every picture at zlib's default level, which took
// longer than anything else in writing a page. The page is drawn with one-pixel stand-ins instead,
// which Qt places exactly where it would place the pictures (an image fills its place whatever its
// size); each stand-in is then replaced by its picture, as lossless, compressed at the fastest level.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <future>
#include <optional>
#include <vector>

namespace omenary::qt {

class PdfPictures {
  public:
    // What to draw for the picture: its stand-in, or the picture itself when Qt would store it in
    // a way of its own (with transparency, or in two colours); the page then cannot be filled in.
    const QImage& ToDraw(const QImage& picture);

    // Starts compressing the pictures drawn so far on a thread of their own, while Qt finishes the
    // file on this one.
    void Prepare();

    // The PDF with each stand-in's data replaced by its picture's. Nothing when a picture could not
    // stand in, or when any image in the file is not one of the stand-ins as Qt writes them.
    std::optional<QByteArray> FilledIn(const QByteArray& pdf);

  private:
    struct StandIn {
        QImage picture;
        QImage blank;  // one pixel of a colour of its own
    };
    std::vector<StandIn> standIns_;
    std::future<std::vector<QByteArray>> compressed_;  // each picture's data, as the file stores it
    QHash<qint64, std::size_t> byPicture_;             // by the picture's cache key
    bool complete_ = true;
};

}  // namespace omenary::qt
