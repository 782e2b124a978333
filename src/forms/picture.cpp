#include "forms/picture.h"

#include <QDataStream>
#include <QFile>

namespace vorlinde {

QImage readPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QDataStream in(&file);
  quint32 magic = 0, width = 0, height = 0;
  in >> magic >> width >> height;
  if (in.status() != QDataStream::Ok || magic != kPictureMagic || width == 0 || height == 0 ||
      width > kPictureMaxSide || height > kPictureMaxSide)
    return {};
  QImage image(int(width), int(height), QImage::Format_RGBA8888_Premultiplied);
  const int rowBytes = int(width) * 4;
  for (int y = 0; y < image.height(); ++y)
    if (in.readRawData(reinterpret_cast<char*>(image.scanLine(y)), rowBytes) != rowBytes) return {};
  return image;
}

}  // namespace vorlinde
