#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace vorlinde {

// The program's pictures are stored as plain pixels, packed from PNG files when
// the program is built: decoding a PNG at run time makes Qt load every
// image-format plugin installed, each a library of its own in memory.
// A packed picture: the magic number, the width and the height (big-endian
// 32-bit numbers), then the rows, four bytes a pixel, premultiplied RGBA.
inline constexpr std::uint32_t kPictureMagic = 0x56504943;  // "VPIC"
inline constexpr int kPictureMaxSide = 4096;

// The packed picture at the path, or a null image when it is missing or damaged.
QImage readPicture(const QString& path);

}  // namespace vorlinde
