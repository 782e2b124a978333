// Packs a PNG file into the program's plain-pixel picture format (see
// forms/picture.h); run by the build for every picture the program shows.
//
//   pack_picture <in.png> <out>

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <cstdio>

#include "forms/picture.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pack_picture <in.png> <out>\n");
    return 2;
  }
  QImage image(QString::fromLocal8Bit(argv[1]), "PNG");
  if (image.isNull() || image.width() > vorlinde::kPictureMaxSide ||
      image.height() > vorlinde::kPictureMaxSide) {
    std::fprintf(stderr, "pack_picture: cannot read %s\n", argv[1]);
    return 1;
  }
  image.convertTo(QImage::Format_RGBA8888_Premultiplied);
  QFile file(QString::fromLocal8Bit(argv[2]));
  if (!file.open(QIODevice::WriteOnly)) {
    std::fprintf(stderr, "pack_picture: cannot write %s\n", argv[2]);
    return 1;
  }
  QDataStream out(&file);
  out << vorlinde::kPictureMagic << quint32(image.width()) << quint32(image.height());
  for (int y = 0; y < image.height(); ++y)
    out.writeRawData(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
  return out.status() == QDataStream::Ok && file.flush() ? 0 : 1;
}
