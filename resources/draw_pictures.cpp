// Draws the banner, the emblem and the icons of Vorlinde and writes them as
// PNG files into resources/ (and resources/icons/).
//
// This program is not part of the CMake build. To rebuild and rerun it, from
// the repository root:
//
//   g++ -std=c++20 -O1 -fPIC resources/draw_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw_pictures
//   QT_QPA_PLATFORM=offscreen /tmp/draw_pictures
//
// An optional argument names the output directory (default: "resources").
// Text uses the font family "WenQuanYi Micro Hei" (package fonts-wqy-microhei).
// Every picture is drawn natively at each size; no bitmap is rescaled.

#include <QtGui/QBrush>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QFontMetricsF>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPen>
#include <QtGui/QRadialGradient>
#include <QtCore/QDir>
#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QRectF>
#include <QtCore/QString>

#include <cstdio>
#include <cstdlib>

namespace {

// Palette shared by all pictures.
const QColor kInk(0x1f, 0x3a, 0x5f);        // deep blue, outlines and text
const QColor kInkLight(0x2f, 0x5d, 0x8f);   // lighter blue
const QColor kAccent(0xe0, 0x7a, 0x2e);     // warm orange
const QColor kTeal(0x2a, 0x9d, 0x8f);
const QColor kWood(0x8a, 0x5a, 0x34);
const QColor kWoodLight(0xb0, 0x7a, 0x4a);

QString gOutDir = QStringLiteral("resources");

QImage transparentImage(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

bool save(const QImage &img, const QString &relPath)
{
    const QString path = gOutDir + QLatin1Char('/') + relPath;
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QImage out = img.convertToFormat(img.hasAlphaChannel() ? QImage::Format_ARGB32
                                                           : QImage::Format_RGB32);
    if (!out.save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), img.width(), img.height());
    return true;
}

void setupPainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// ---------------------------------------------------------------------------
// Banner: abacus on the left, the name in the middle, a laptop on the right.
// All coordinates are in logical units of the 368x57 banner; `s` is the
// device scale (1 or 2), applied as a painter transform so that every shape
// is rasterised directly at the target resolution.

void drawAbacus(QPainter &p, const QRectF &r)
{
    // Frame: two wooden bars (top, bottom) and two posts.
    const qreal bar = r.height() * 0.12;
    const qreal post = r.width() * 0.09;
    QLinearGradient wood(r.topLeft(), r.bottomLeft());
    wood.setColorAt(0.0, kWoodLight);
    wood.setColorAt(1.0, kWood);

    // Rods.
    const int rods = 4;
    const qreal innerL = r.left() + post;
    const qreal innerR = r.right() - post;
    const qreal innerT = r.top() + bar;
    const qreal innerB = r.bottom() - bar;
    const qreal step = (innerR - innerL) / rods;
    p.setPen(QPen(QColor(0x6b, 0x5a, 0x4a), r.width() * 0.02));
    for (int i = 0; i < rods; ++i) {
        const qreal x = innerL + step * (i + 0.5);
        p.drawLine(QPointF(x, innerT), QPointF(x, innerB));
    }

    // Divider bar between upper and lower deck.
    const qreal divY = innerT + (innerB - innerT) * 0.3;
    p.setPen(Qt::NoPen);
    p.setBrush(kWood);
    p.drawRect(QRectF(innerL, divY - bar * 0.3, innerR - innerL, bar * 0.6));

    // Beads: one on top deck, up to four on bottom deck; some pushed to the
    // divider (counted), some resting at the frame.
    const qreal bw = step * 0.82;
    const qreal bh = (innerB - innerT) * 0.112;
    const int upperCounted[rods] = {1, 0, 1, 0};
    const int lowerCounted[rods] = {2, 4, 0, 3};
    auto bead = [&](qreal cx, qreal cy, const QColor &c) {
        QRectF br(cx - bw / 2, cy - bh / 2, bw, bh);
        QLinearGradient g(br.topLeft(), br.bottomLeft());
        g.setColorAt(0.0, c.lighter(140));
        g.setColorAt(0.5, c);
        g.setColorAt(1.0, c.darker(125));
        p.setBrush(g);
        p.setPen(QPen(c.darker(160), r.width() * 0.012));
        p.drawRoundedRect(br, bh / 2, bh / 2);
    };
    for (int i = 0; i < rods; ++i) {
        const qreal x = innerL + step * (i + 0.5);
        const QColor c = (i % 2 == 0) ? kAccent : kTeal;
        // upper deck (one bead)
        const qreal upY = upperCounted[i] ? divY - bar * 0.3 - bh / 2
                                          : innerT + bh / 2;
        bead(x, upY, c);
        // lower deck (four beads)
        const int counted = lowerCounted[i];
        for (int k = 0; k < counted; ++k)
            bead(x, divY + bar * 0.3 + bh / 2 + k * bh, c);
        for (int k = 0; k < 4 - counted; ++k)
            bead(x, innerB - bh / 2 - k * bh, c);
    }

    // Frame on top of rod ends.
    p.setPen(QPen(kWood.darker(150), r.width() * 0.015));
    p.setBrush(wood);
    const qreal rad = bar * 0.35;
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), bar), rad, rad);
    p.drawRoundedRect(QRectF(r.left(), r.bottom() - bar, r.width(), bar), rad, rad);
    p.drawRect(QRectF(r.left(), r.top() + bar, post, r.height() - 2 * bar));
    p.drawRect(QRectF(r.right() - post, r.top() + bar, post, r.height() - 2 * bar));
}

void drawLaptop(QPainter &p, const QRectF &r)
{
    // Screen (lid) occupies the upper ~76 %, base the rest.
    const qreal baseH = r.height() * 0.2;
    const qreal lidW = r.width() * 0.8;
    const QRectF lid(r.center().x() - lidW / 2, r.top(), lidW, r.height() - baseH);
    const qreal lw = r.width() * 0.018;

    QLinearGradient lidG(lid.topLeft(), lid.bottomLeft());
    lidG.setColorAt(0.0, QColor(0x4a, 0x55, 0x66));
    lidG.setColorAt(1.0, QColor(0x2c, 0x34, 0x40));
    p.setPen(QPen(QColor(0x1c, 0x22, 0x2b), lw));
    p.setBrush(lidG);
    p.drawRoundedRect(lid, lid.width() * 0.06, lid.width() * 0.06);

    // Display with a little plot and a formula line.
    const qreal bez = lid.width() * 0.07;
    const QRectF scr = lid.adjusted(bez, bez, -bez, -bez * 0.9);
    QLinearGradient scrG(scr.topLeft(), scr.bottomRight());
    scrG.setColorAt(0.0, QColor(0xe8, 0xf4, 0xff));
    scrG.setColorAt(1.0, QColor(0xc4, 0xdc, 0xf2));
    p.setPen(Qt::NoPen);
    p.setBrush(scrG);
    p.drawRect(scr);

    // Axes.
    p.setPen(QPen(QColor(0x7a, 0x8c, 0xa3), lw * 0.8));
    const qreal ax = scr.left() + scr.width() * 0.18;
    const qreal ay = scr.top() + scr.height() * 0.72;
    p.drawLine(QPointF(scr.left() + scr.width() * 0.06, ay),
               QPointF(scr.right() - scr.width() * 0.06, ay));
    p.drawLine(QPointF(ax, scr.top() + scr.height() * 0.1),
               QPointF(ax, scr.bottom() - scr.height() * 0.08));
    // A parabola-like curve.
    QPainterPath curve;
    const int n = 24;
    for (int i = 0; i <= n; ++i) {
        const qreal t = qreal(i) / n;              // 0..1
        const qreal u = (t - 0.55) * 2.0;          // -1.1..0.9
        const qreal x = scr.left() + scr.width() * (0.1 + 0.8 * t);
        const qreal y = scr.top() + scr.height() * (0.18 + 0.62 * (1.0 - u * u));
        if (i == 0)
            curve.moveTo(x, y);
        else
            curve.lineTo(x, y);
    }
    p.setPen(QPen(kAccent, lw * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);

    // Base (keyboard deck), drawn as a trapezoid with a thin front edge.
    const qreal baseTop = lid.bottom();
    QPainterPath base;
    base.moveTo(lid.left() - r.width() * 0.02, baseTop);
    base.lineTo(lid.right() + r.width() * 0.02, baseTop);
    base.lineTo(r.right(), r.bottom() - baseH * 0.3);
    base.lineTo(r.left(), r.bottom() - baseH * 0.3);
    base.closeSubpath();
    QLinearGradient baseG(QPointF(0, baseTop), QPointF(0, r.bottom()));
    baseG.setColorAt(0.0, QColor(0xd5, 0xdb, 0xe3));
    baseG.setColorAt(1.0, QColor(0xa9, 0xb3, 0xc0));
    p.setPen(QPen(QColor(0x5a, 0x66, 0x75), lw));
    p.setBrush(baseG);
    p.drawPath(base);
    // Front lip.
    p.setBrush(QColor(0x8e, 0x99, 0xa8));
    p.drawRoundedRect(QRectF(r.left(), r.bottom() - baseH * 0.3, r.width(), baseH * 0.3),
                      baseH * 0.15, baseH * 0.15);
    // Keys: two rows of short dashes on the deck.
    p.setPen(QPen(QColor(0x5f, 0x6b, 0x7b), lw * 0.9, Qt::SolidLine, Qt::FlatCap));
    const qreal deckH = r.bottom() - baseH * 0.3 - baseTop;
    for (int row = 0; row < 2; ++row) {
        const qreal y = baseTop + deckH * (0.33 + 0.36 * row);
        const qreal spread = 0.62 + 0.06 * row;
        const int keys = 9;
        const qreal x0 = r.center().x() - r.width() * spread / 2;
        const qreal kw = r.width() * spread / keys;
        for (int k = 0; k < keys; ++k)
            p.drawLine(QPointF(x0 + k * kw + kw * 0.18, y), QPointF(x0 + (k + 1) * kw - kw * 0.18, y));
    }
}

QImage drawBanner(int s)
{
    const qreal W = 368, H = 57;
    QImage img(int(W * s), int(H * s), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    setupPainter(p);
    p.scale(s, s);

    // Soft gradient background: pale sky blue to a faint mint, with a gentle
    // radial glow behind the title.
    QLinearGradient bg(QPointF(0, 0), QPointF(W, H));
    bg.setColorAt(0.0, QColor(0xdc, 0xea, 0xf8));
    bg.setColorAt(0.55, QColor(0xee, 0xf5, 0xfc));
    bg.setColorAt(1.0, QColor(0xdd, 0xf1, 0xec));
    p.fillRect(QRectF(0, 0, W, H), bg);
    QRadialGradient glow(QPointF(W / 2, H / 2), W * 0.32);
    glow.setColorAt(0.0, QColor(255, 255, 255, 190));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, W, H), glow);
    // Thin accent line along the bottom edge.
    QLinearGradient line(QPointF(0, 0), QPointF(W, 0));
    line.setColorAt(0.0, kInkLight);
    line.setColorAt(0.5, kAccent);
    line.setColorAt(1.0, kTeal);
    p.fillRect(QRectF(0, H - 2, W, 2), line);

    drawAbacus(p, QRectF(14, 8, 46, 40));
    drawLaptop(p, QRectF(W - 14 - 56, 9, 56, 39));

    // Title.
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(34);
    f.setWeight(QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    f.setHintingPreference(QFont::PreferNoHinting);
    const QString title = QStringLiteral("Vorlinde");
    const QFontMetricsF fm(f);
    const qreal tw = fm.horizontalAdvance(title);
    const qreal baseline = (H - 2) / 2 + (fm.ascent() - fm.descent()) / 2;
    const QPointF origin((W - tw) / 2, baseline);
    QPainterPath text;
    text.addText(origin, f, title);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x3a, 0x5f, 50));
    p.drawPath(text.translated(0.8, 1.2));
    QLinearGradient tg(QPointF(0, baseline - fm.ascent()), QPointF(0, baseline));
    tg.setColorAt(0.0, kInkLight);
    tg.setColorAt(1.0, kInk);
    p.setBrush(tg);
    p.drawPath(text);
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// Emblem: a round badge with a ring and a stylised "V" built from strokes.

QImage drawEmblem(int s)
{
    const qreal W = 42, H = 40;
    QImage img = transparentImage(int(W * s), int(H * s));
    QPainter p(&img);
    setupPainter(p);
    p.scale(s, s);

    const QPointF c(W / 2, H / 2);
    const qreal R = 19.25;

    // Outer ring.
    QLinearGradient ringG(QPointF(0, c.y() - R), QPointF(0, c.y() + R));
    ringG.setColorAt(0.0, kInkLight);
    ringG.setColorAt(1.0, kInk);
    p.setPen(Qt::NoPen);
    p.setBrush(ringG);
    p.drawEllipse(c, R, R);

    // Thin light separator and inner disc.
    p.setBrush(QColor(0xff, 0xff, 0xff, 200));
    p.drawEllipse(c, R - 2.6, R - 2.6);
    QRadialGradient disc(QPointF(c.x() - 4, c.y() - 6), R * 1.1);
    disc.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    disc.setColorAt(1.0, QColor(0xd6, 0xe6, 0xf5));
    p.setBrush(disc);
    p.drawEllipse(c, R - 3.4, R - 3.4);

    // Stylised V drawn as a root sign: a short lead-in tick, the V itself,
    // and the overbar in the accent colour.
    const qreal cx = c.x() - 1.0, cy = c.y();
    QPainterPath root;
    root.moveTo(cx - 10.5, cy - 1.5);
    root.lineTo(cx - 7.5, cy - 3.5);
    root.lineTo(cx - 2.0, cy + 8.5);
    root.lineTo(cx + 4.0, cy - 8.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(root);
    p.setPen(QPen(kAccent, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(cx + 4.0, cy - 8.5), QPointF(cx + 10.5, cy - 8.5));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// Window icon: a calculator body with a display and a keypad. Smaller sizes
// use fewer keys and pixel-aligned geometry so the shape stays sharp.

QImage drawAppIcon(int size)
{
    QImage img = transparentImage(size, size);
    QPainter p(&img);
    setupPainter(p);

    const qreal S = size;
    // Layout parameters chosen per size for crispness.
    int cols, rows;
    qreal margin, outline, radius;
    if (size <= 16) {
        cols = 2; rows = 2; margin = 1; outline = 1; radius = 2;
    } else if (size <= 32) {
        cols = 3; rows = 3; margin = 2; outline = 1.5; radius = 3.5;
    } else if (size <= 48) {
        cols = 4; rows = 4; margin = 3; outline = 2; radius = 5;
    } else {
        cols = 4; rows = 4; margin = S / 16; outline = S / 32; radius = S / 9;
    }
    const qreal bodyW = S * (size <= 16 ? 14.0 / 16 : 0.8);
    QRectF body((S - bodyW) / 2, margin, bodyW, S - 2 * margin);
    if (size <= 16)
        body = QRectF(1, 0, 14, 16);
    // Align the outline on pixel centres when its width is odd.
    const qreal half = outline / 2;
    QRectF bodyStroke = body.adjusted(half, half, -half, -half);

    QLinearGradient bodyG(body.topLeft(), body.bottomLeft());
    bodyG.setColorAt(0.0, kInkLight);
    bodyG.setColorAt(1.0, kInk);
    p.setPen(QPen(QColor(0x13, 0x26, 0x40), outline));
    p.setBrush(bodyG);
    p.drawRoundedRect(bodyStroke, radius, radius);

    // Display.
    const qreal pad = size <= 16 ? 2 : body.width() * 0.12;
    const qreal dispH = size <= 16 ? 4 : body.height() * 0.24;
    QRectF disp(body.left() + pad, body.top() + pad, body.width() - 2 * pad, dispH);
    if (size <= 16)
        disp = QRectF(3, 2, 10, 4);
    QLinearGradient dG(disp.topLeft(), disp.bottomLeft());
    dG.setColorAt(0.0, QColor(0xe4, 0xf6, 0xee));
    dG.setColorAt(1.0, QColor(0xb8, 0xe2, 0xd2));
    p.setPen(Qt::NoPen);
    p.setBrush(dG);
    const qreal dr = size <= 16 ? 0.5 : S / 40;
    p.drawRoundedRect(disp, dr, dr);
    if (size >= 32) {
        // Digits suggested by a few bars on the display, right aligned.
        p.setBrush(QColor(0x1d, 0x4d, 0x40));
        const qreal dh = disp.height() * 0.5;
        const qreal dw = disp.width() * 0.09;
        const qreal gap = dw * 0.55;
        const qreal y = disp.center().y() - dh / 2;
        const int digits = size >= 64 ? 4 : 3;
        for (int i = 0; i < digits; ++i) {
            const qreal x = disp.right() - disp.width() * 0.1 - (i + 1) * dw - i * gap;
            p.drawRect(QRectF(x, y, dw, dh));
        }
    }

    // Keypad.
    QRectF pad2;
    if (size <= 16) {
        pad2 = QRectF(3, 8, 10, 6);
    } else {
        const qreal top = disp.bottom() + pad * 0.8;
        pad2 = QRectF(disp.left(), top, disp.width(), body.bottom() - pad - top);
    }
    const qreal gapK = size <= 16 ? 2 : pad2.width() * (cols == 3 ? 0.12 : 0.09);
    const qreal kw = (pad2.width() - gapK * (cols - 1)) / cols;
    const qreal kh = (pad2.height() - gapK * (rows - 1)) / rows;
    const qreal kr = size <= 16 ? 0.0 : qMin(kw, kh) * 0.22;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const bool accent = (c == cols - 1);     // operator column
            const bool equals = (c == cols - 1 && r == rows - 1);
            QColor col = accent ? kAccent : QColor(0xee, 0xf2, 0xf7);
            if (equals)
                col = kTeal.lighter(115);
            const QRectF k(pad2.left() + c * (kw + gapK), pad2.top() + r * (kh + gapK), kw, kh);
            if (size >= 48) {
                QLinearGradient kg(k.topLeft(), k.bottomLeft());
                kg.setColorAt(0.0, col.lighter(108));
                kg.setColorAt(1.0, col.darker(110));
                p.setBrush(kg);
            } else {
                p.setBrush(col);
            }
            p.drawRoundedRect(k, kr, kr);
        }
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------------------
// Linear-system icon: square brackets around a 3x3 grid of boxes (two
// coefficient columns and the right-hand side, set apart by a vertical bar).

QImage drawGridIcon(int size)
{
    QImage img = transparentImage(size, size);
    QPainter p(&img);
    setupPainter(p);
    const qreal u = size / 32.0;     // one unit = one pixel at 32 px
    p.scale(u, u);

    // Brackets: strokes of width 2 centred on whole pixel lines, so that at
    // 32 px they cover exactly two pixel columns.
    const QColor bracket = kInkLight;
    p.setPen(QPen(bracket, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath lb;
    lb.moveTo(5, 4);
    lb.lineTo(2, 4);
    lb.lineTo(2, 28);
    lb.lineTo(5, 28);
    QPainterPath rb;
    rb.moveTo(27, 4);
    rb.lineTo(30, 4);
    rb.lineTo(30, 28);
    rb.lineTo(27, 28);
    p.drawPath(lb);
    p.drawPath(rb);

    // 3 rows: two coefficient columns, a separator and the right-hand side.
    // Boxes are 6x6 on whole pixels (at 32 px).
    const qreal cell = 6;
    const qreal colX[3] = {5, 12, 21};
    const qreal rowY[3] = {6, 13, 20};
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            QColor col;
            if (c == 2)
                col = kAccent;
            else if (r == c)
                col = kInk;
            else
                col = QColor(0x7e, 0xa6, 0xd3);
            p.setBrush(col);
            p.drawRoundedRect(QRectF(colX[c], rowY[r], cell, cell), 1.2, 1.2);
        }
    }
    // Separator of the augmented matrix (one pixel column at 32 px).
    p.setBrush(bracket);
    p.drawRect(QRectF(19, 6, 1, 20));
    p.end();
    return img;
}

// Converts to an 8-bit palette image without dithering. Colours are merged
// (by dropping low bits) only as far as needed to fit into 256 entries, so a
// small flat-coloured icon keeps its colours exactly.
QImage toIndexed8(const QImage &src)
{
    const QImage in = src.convertToFormat(QImage::Format_ARGB32);
    for (int drop = 0; drop <= 6; ++drop) {
        const QRgb mask = qRgba(0xff << drop & 0xff, 0xff << drop & 0xff,
                                0xff << drop & 0xff, 0xff << drop & 0xff);
        QList<QRgb> table;
        QHash<QRgb, int> index;
        bool fits = true;
        for (int y = 0; y < in.height() && fits; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(in.constScanLine(y));
            for (int x = 0; x < in.width(); ++x) {
                QRgb v = qAlpha(line[x]) == 0 ? 0u : (line[x] & mask);
                if (!index.contains(v)) {
                    if (table.size() == 256) {
                        fits = false;
                        break;
                    }
                    index.insert(v, int(table.size()));
                    table.append(v);
                }
            }
        }
        if (!fits)
            continue;
        QImage out(in.size(), QImage::Format_Indexed8);
        out.setColorTable(table);
        for (int y = 0; y < in.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(in.constScanLine(y));
            uchar *o = out.scanLine(y);
            for (int x = 0; x < in.width(); ++x)
                o[x] = uchar(index.value(qAlpha(line[x]) == 0 ? 0u : (line[x] & mask)));
        }
        return out;
    }
    return in.convertToFormat(QImage::Format_Indexed8);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc > 1)
        gOutDir = QString::fromLocal8Bit(argv[1]);

    bool ok = true;
    ok &= save(drawBanner(1), QStringLiteral("banner.png"));
    ok &= save(drawBanner(2), QStringLiteral("banner@2x.png"));
    ok &= save(drawEmblem(1), QStringLiteral("emblem.png"));
    ok &= save(drawEmblem(2), QStringLiteral("emblem@2x.png"));
    for (int size : {16, 32, 48, 64})
        ok &= save(drawAppIcon(size), QStringLiteral("icons/vorlinde-%1.png").arg(size));

    // The small grid icon is stored with an 8-bit palette; the larger one keeps
    // full colour.
    {
        const QImage indexed = toIndexed8(drawGridIcon(32));
        const QString path = gOutDir + QStringLiteral("/icons/grid-32.png");
        if (indexed.save(path, "PNG", 9)) {
            std::printf("wrote %s (32x32, %d palette entries)\n", qPrintable(path),
                        int(indexed.colorCount()));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    ok &= save(drawGridIcon(64), QStringLiteral("icons/grid-64.png"));
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
