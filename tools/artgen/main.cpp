// SPDX-License-Identifier: GPL-3.0-or-later
//
// Draws the application's pictures and writes them as PNG files.
// Usage: artgen <output-folder> [contact-sheet.png [desktop-icon-folder]]
//
// Only QImage and QPainter are used, never fonts, so the output depends on
// nothing but this code.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

// Sizes follow the controls that show the pictures.
constexpr int kMark = 24;          // legend and day-cell canvases
constexpr int kIcon = 128;         // splash, About and update window canvases (130 x 127 and up)
constexpr int kBackWidth = 702;    // calendar window
constexpr int kBackHeight = 418;   // tall enough for the help window (462 x 418)
constexpr int kCap = 10;           // rounded frame caps
constexpr int kFrameHeight = 20;

QImage newImage(int w, int h, QColor fill)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void antialias(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor mixed(QColor a, QColor b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(alpha));
    return c;
}

// A separable box blur of an image's pixels, three passes for a soft,
// nearly Gaussian falloff (shadows and glows).
QImage blurred(const QImage& source, int radius)
{
    QImage img = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width();
    const int h = img.height();
    auto pass = [&](bool horizontal) {
        const int lines = horizontal ? h : w;
        const int len = horizontal ? w : h;
        std::vector<QRgb> line(static_cast<std::size_t>(len));
        for (int l = 0; l < lines; ++l) {
            auto at = [&](int i) -> QRgb& {
                return horizontal ? reinterpret_cast<QRgb*>(img.scanLine(l))[i]
                                  : reinterpret_cast<QRgb*>(img.scanLine(i))[l];
            };
            for (int i = 0; i < len; ++i)
                line[std::size_t(i)] = at(i);
            for (int i = 0; i < len; ++i) {
                int sum[4] = {0, 0, 0, 0};
                int n = 0;
                for (int k = i - radius; k <= i + radius; ++k) {
                    const QRgb px = (k >= 0 && k < len) ? line[std::size_t(k)] : 0u;
                    sum[0] += qAlpha(px);
                    sum[1] += qRed(px);
                    sum[2] += qGreen(px);
                    sum[3] += qBlue(px);
                    ++n;
                }
                at(i) = qRgba(sum[1] / n, sum[2] / n, sum[3] / n, sum[0] / n);
            }
        }
    };
    for (int i = 0; i < 3; ++i) {
        pass(true);
        pass(false);
    }
    return img;
}

// ---------------------------------------------------------------- day marks

// Every day mark is a round badge; msk is its silhouette.
const QRectF kBadge(0, 0, kMark, kMark);
const QPointF kCentre(kMark / 2.0, kMark / 2.0);

QImage drawMask()
{
    QImage img = newImage(kMark, kMark, Qt::white);
    QPainter p(&img);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(kBadge);
    return img;
}

struct BadgeColours {
    QColor light;
    QColor base;
    QColor dark;
};

// Body, rim and top gloss of a badge. The body runs a little past the
// silhouette so that the mask alone shapes the edge and leaves no pale fringe.
void drawBadge(QPainter& p, const BadgeColours& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c.dark);
    p.drawEllipse(kCentre, 13.2, 13.2);

    QRadialGradient body(kCentre, 11.5, QPointF(8.5, 7.5));
    body.setColorAt(0.0, c.light);
    body.setColorAt(0.55, c.base);
    body.setColorAt(1.0, mixed(c.base, c.dark, 0.55));
    p.setBrush(body);
    p.drawEllipse(kCentre, 11.0, 11.0);
}

void drawGloss(QPainter& p, double strength = 0.55)
{
    QLinearGradient gloss(0, 1.5, 0, 11.5);
    gloss.setColorAt(0.0, QColor(255, 255, 255, int(255 * strength)));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(5.0, 1.6, 14.0, 9.5));
}

// Draws a path twice: once offset as a soft shadow, then itself.
void drawWithShadow(QPainter& p, const QPainterPath& path, const QBrush& brush, QColor shadow)
{
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawPath(path.translated(0.0, 0.8));
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath heartPath(QPointF centre, double size)
{
    // A heart in a size x size box, drawn from two cubic lobes.
    const double s = size / 2.0;
    const double x = centre.x();
    const double y = centre.y();
    QPainterPath path;
    path.moveTo(x, y + s * 0.95);
    path.cubicTo(x - s * 0.25, y + s * 0.62, x - s * 1.05, y + s * 0.15, x - s * 1.0, y - s * 0.38);
    path.cubicTo(x - s * 0.95, y - s * 0.95, x - s * 0.2, y - s * 1.05, x, y - s * 0.45);
    path.cubicTo(x + s * 0.2, y - s * 1.05, x + s * 0.95, y - s * 0.95, x + s * 1.0, y - s * 0.38);
    path.cubicTo(x + s * 1.05, y + s * 0.15, x + s * 0.25, y + s * 0.62, x, y + s * 0.95);
    path.closeSubpath();
    return path;
}

QImage drawMen()
{
    QImage img = newImage(kMark, kMark, Qt::white);
    QPainter p(&img);
    antialias(p);
    drawBadge(p, {QColor(0xFF, 0xB8, 0xBF), QColor(0xFF, 0x6F, 0x7D), QColor(0xC8, 0x37, 0x4A)});

    // A drop: a round bottom drawn up to a point.
    QPainterPath drop;
    drop.moveTo(12.0, 4.6);
    drop.cubicTo(13.2, 7.4, 17.4, 11.2, 17.4, 14.4);
    drop.cubicTo(17.4, 17.5, 14.9, 19.6, 12.0, 19.6);
    drop.cubicTo(9.1, 19.6, 6.6, 17.5, 6.6, 14.4);
    drop.cubicTo(6.6, 11.2, 10.8, 7.4, 12.0, 4.6);
    drop.closeSubpath();
    QLinearGradient fill(8, 6, 16, 19);
    fill.setColorAt(0.0, QColor(0xFF, 0xFD, 0xFD));
    fill.setColorAt(1.0, QColor(0xFF, 0xE1, 0xE5));
    drawWithShadow(p, drop, fill, QColor(0x9E, 0x1F, 0x33, 110));
    // A small highlight on the drop's left flank.
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 235));
    p.drawEllipse(QRectF(8.6, 12.2, 2.2, 3.6));
    p.setBrush(QColor(0xE8, 0x4A, 0x5C, 90));
    p.drawEllipse(QRectF(10.0, 16.2, 6.0, 2.4));
    drawGloss(p, 0.45);
    return img;
}

QImage drawOvu()
{
    QImage img = newImage(kMark, kMark, Qt::white);
    QPainter p(&img);
    antialias(p);
    drawBadge(p, {QColor(0xDD, 0xF7, 0xC0), QColor(0x9B, 0xDC, 0x5F), QColor(0x4E, 0x93, 0x2A)});

    // The ovum: a translucent halo, the cell and its nucleus.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xF0, 95));
    p.drawEllipse(kCentre + QPointF(0, 0.4), 8.4, 8.4);
    p.setBrush(QColor(0x3C, 0x7A, 0x1E, 90));
    p.drawEllipse(kCentre + QPointF(0, 1.2), 6.4, 6.4);
    QRadialGradient cell(kCentre, 6.4, QPointF(10.0, 9.6));
    cell.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFB));
    cell.setColorAt(0.7, QColor(0xFF, 0xF6, 0xD6));
    cell.setColorAt(1.0, QColor(0xF6, 0xE0, 0xA8));
    p.setBrush(cell);
    p.drawEllipse(kCentre + QPointF(0, 0.4), 6.2, 6.2);
    QRadialGradient nucleus(QPointF(13.2, 13.0), 2.6, QPointF(12.6, 12.3));
    nucleus.setColorAt(0.0, QColor(0xFF, 0xB4, 0x8C));
    nucleus.setColorAt(1.0, QColor(0xE0, 0x6E, 0x52));
    p.setBrush(nucleus);
    p.drawEllipse(QPointF(13.2, 13.0), 2.5, 2.5);
    drawGloss(p, 0.42);
    return img;
}

QImage drawFer()
{
    QImage img = newImage(kMark, kMark, Qt::white);
    QPainter p(&img);
    antialias(p);
    drawBadge(p, {QColor(0xF6, 0xFF, 0xB8), QColor(0xD6, 0xFF, 0x00), QColor(0x8C, 0xAE, 0x00)});

    // A sprout: a curved stem and two leaves.
    const QColor leafDark(0x2F, 0x7D, 0x1C);
    const QColor leafLight(0x62, 0xB8, 0x35);
    QPainterPath stem;
    stem.moveTo(12.0, 19.4);
    stem.cubicTo(12.0, 16.0, 11.6, 13.4, 12.2, 10.6);
    QPen pen(leafDark, 1.6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem.translated(0, 0.6));
    p.setPen(QPen(QColor(0x3F, 0x95, 0x22), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);

    QPainterPath left;
    left.moveTo(11.9, 12.6);
    left.cubicTo(9.6, 13.6, 5.4, 12.6, 4.8, 8.0);
    left.cubicTo(8.4, 7.0, 11.4, 8.6, 11.9, 12.6);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(12.3, 10.8);
    right.cubicTo(12.0, 6.6, 15.0, 3.8, 19.4, 4.4);
    right.cubicTo(19.4, 8.8, 16.4, 11.2, 12.3, 10.8);
    right.closeSubpath();
    for (const QPainterPath& leaf : {left, right}) {
        const QRectF b = leaf.boundingRect();
        QLinearGradient fill(b.topLeft(), b.bottomRight());
        fill.setColorAt(0.0, leafLight);
        fill.setColorAt(1.0, leafDark);
        drawWithShadow(p, leaf, fill, QColor(0x5A, 0x70, 0x00, 90));
    }
    // Leaf veins.
    p.setPen(QPen(QColor(0xD8, 0xF2, 0xA0, 170), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.2, 11.8), QPointF(6.4, 8.6));
    p.drawLine(QPointF(13.0, 10.2), QPointF(18.4, 5.4));
    drawGloss(p, 0.5);
    return img;
}

QImage drawHeart()
{
    QImage img = newImage(kMark, kMark, Qt::white);
    QPainter p(&img);
    antialias(p);
    drawBadge(p, {QColor(0xFF, 0xF1, 0xF5), QColor(0xFF, 0xD3, 0xDF), QColor(0xE0, 0x8C, 0xA6)});

    const QPainterPath heart = heartPath(QPointF(12.0, 12.6), 14.0);
    QLinearGradient fill(8, 6, 16, 20);
    fill.setColorAt(0.0, QColor(0xFF, 0x5F, 0x7C));
    fill.setColorAt(1.0, QColor(0xC8, 0x10, 0x3A));
    drawWithShadow(p, heart, fill, QColor(0x8A, 0x10, 0x30, 90));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(7.4, 8.0, 3.0, 2.2));
    drawGloss(p, 0.4);
    return img;
}

// The Mars sign: a ring and an arrow towards the top right.
QImage drawMale()
{
    QImage img = newImage(kMark, kMark, Qt::white);
    QPainter p(&img);
    antialias(p);
    drawBadge(p, {QColor(0xF2, 0xF8, 0xFF), QColor(0xC8, 0xE1, 0xFF), QColor(0x6F, 0x9E, 0xD8)});

    const QColor blue(0x1F, 0x62, 0xD0);
    const QPointF ring(10.2, 13.8);
    const double r = 4.6;
    const QPointF tip(18.6, 5.4);
    const double d = std::sqrt(0.5);
    QPainterPath sign;
    sign.addEllipse(ring, r, r);
    sign.moveTo(ring + QPointF(r * d, -r * d));
    sign.lineTo(tip);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-5.4, 0.1));
    head.lineTo(tip + QPointF(-0.1, 5.4));
    head.closeSubpath();

    QPen shadow(QColor(0x10, 0x30, 0x70, 80), 2.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(shadow);
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign.translated(0, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow.color());
    p.drawPath(head.translated(0, 0.8));

    p.setPen(QPen(blue, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign);
    p.setPen(QPen(blue, 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(blue);
    p.drawPath(head);
    drawGloss(p, 0.45);
    return img;
}

// The Venus sign: a ring above a cross.
QImage drawFemale()
{
    QImage img = newImage(kMark, kMark, Qt::white);
    QPainter p(&img);
    antialias(p);
    drawBadge(p, {QColor(0xFF, 0xF0, 0xF7), QColor(0xFF, 0xCC, 0xE4), QColor(0xDA, 0x7C, 0xAA)});

    const QColor pink(0xD8, 0x2C, 0x7C);
    const QPointF ring(12.0, 9.4);
    const double r = 4.6;
    QPainterPath sign;
    sign.addEllipse(ring, r, r);
    sign.moveTo(12.0, ring.y() + r);
    sign.lineTo(12.0, 20.2);
    sign.moveTo(8.6, 16.6);
    sign.lineTo(15.4, 16.6);

    p.setPen(QPen(QColor(0x70, 0x10, 0x40, 80), 2.4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign.translated(0, 0.8));
    p.setPen(QPen(pink, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(sign);
    drawGloss(p, 0.45);
    return img;
}

// A red prohibition sign over a faded heart.
QImage drawForbid()
{
    QImage img = newImage(kMark, kMark, Qt::white);
    QPainter p(&img);
    antialias(p);
    drawBadge(p, {QColor(0xFF, 0xFF, 0xFF), QColor(0xFB, 0xF0, 0xF2), QColor(0xD8, 0xA4, 0xAE)});

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xA0, 0xB0));
    p.drawPath(heartPath(QPointF(12.0, 12.4), 10.0));

    const QColor red(0xE0, 0x1B, 0x2C);
    const double r = 7.6;
    const double d = std::sqrt(0.5);
    QPainterPath sign;
    sign.addEllipse(kCentre, r, r);
    sign.moveTo(kCentre + QPointF(-r * d, -r * d));
    sign.lineTo(kCentre + QPointF(r * d, r * d));
    p.setPen(QPen(QColor(0x70, 0x00, 0x10, 80), 2.6, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign.translated(0, 0.8));
    p.setPen(QPen(red, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(sign);
    drawGloss(p, 0.5);
    return img;
}

// ------------------------------------------------------------ rounded frame

// The whole frame is drawn once, then cut into caps and a middle, so that
// the pieces join without a seam.
constexpr int kFrameSample = 3 * kCap;

QImage drawFrame()
{
    QImage img = newImage(kFrameSample, kFrameHeight, Qt::white);
    QPainter p(&img);
    antialias(p);
    // Border colour everywhere, so the mask alone shapes the outer edge.
    QLinearGradient border(0, 0, 0, kFrameHeight);
    border.setColorAt(0.0, QColor(0x86, 0x80, 0x88));
    border.setColorAt(1.0, QColor(0xC6, 0xC0, 0xC6));
    p.fillRect(img.rect(), border);

    const double radius = kFrameHeight / 2.0 - 1.0;
    const QRectF inner(1.0, 1.0, kFrameSample - 2.0, kFrameHeight - 2.0);
    // A one-pixel inner shadow along the top, then the white field area,
    // which the edit field continues between the caps.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD6, 0xD0, 0xD6));
    p.drawRoundedRect(inner, radius, radius);
    p.setBrush(Qt::white);
    p.drawRoundedRect(inner.adjusted(0.0, 1.0, 0.0, 0.0), radius, radius - 0.5);
    return img;
}

QImage drawFrameMask()
{
    QImage img = newImage(kFrameSample, kFrameHeight, Qt::white);
    QPainter p(&img);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double radius = kFrameHeight / 2.0;
    p.drawRoundedRect(QRectF(0, 0, kFrameSample, kFrameHeight), radius, radius);
    return img;
}

QImage leftPiece(const QImage& frame)
{
    return frame.copy(0, 0, kCap, kFrameHeight);
}

QImage middlePiece(const QImage& frame)
{
    return frame.copy(kCap, 0, kCap, kFrameHeight);
}

QImage rightPiece(const QImage& frame)
{
    return frame.copy(kFrameSample - kCap, 0, kCap, kFrameHeight);
}

// --------------------------------------------------------------- backdrop

// A fixed pseudo-random sequence, so that the scattered shapes never move.
class Sequence {
public:
    double Next()
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return double(state_ >> 11) / double(1ull << 53);
    }

private:
    unsigned long long state_ = 20060309ull;
};

QImage drawBackdrop()
{
    QImage img = newImage(kBackWidth, kBackHeight, Qt::white);
    QPainter p(&img);
    antialias(p);

    QLinearGradient base(0, 0, 0, kBackHeight);
    base.setColorAt(0.0, QColor(0xFC, 0xF5, 0xF0));
    base.setColorAt(0.55, QColor(0xF7, 0xEA, 0xE4));
    base.setColorAt(1.0, QColor(0xF1, 0xDD, 0xD8));
    p.fillRect(img.rect(), base);

    // Broad, soft glows: blush behind the month, peach towards the right.
    auto glow = [&](QPointF c, double r, QColor colour) {
        QRadialGradient g(c, r);
        g.setColorAt(0.0, colour);
        g.setColorAt(1.0, withAlpha(colour, 0.0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    };
    glow(QPointF(150, 90), 330, QColor(0xFF, 0xDC, 0xE6, 120));
    glow(QPointF(640, 60), 260, QColor(0xFF, 0xE6, 0xD2, 110));
    glow(QPointF(430, 380), 280, QColor(0xF6, 0xC8, 0xD6, 90));

    // Two ribbons flowing across the foot of the window.
    auto ribbon = [&](double y0, double amp, double phase, double thickness, QColor top, QColor bottom) {
        QPainterPath path;
        const int steps = 72;
        for (int i = 0; i <= steps; ++i) {
            const double x = kBackWidth * i / double(steps);
            const double y = y0 + amp * std::sin(x / kBackWidth * 2.0 * std::numbers::pi * 1.2 + phase);
            if (i == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        for (int i = steps; i >= 0; --i) {
            const double x = kBackWidth * i / double(steps);
            const double y = y0 + thickness
                + amp * 0.7 * std::sin(x / kBackWidth * 2.0 * std::numbers::pi * 1.2 + phase + 0.9);
            path.lineTo(x, y);
        }
        path.closeSubpath();
        const QRectF b = path.boundingRect();
        QLinearGradient g(0, b.top(), 0, b.bottom());
        g.setColorAt(0.0, top);
        g.setColorAt(1.0, bottom);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(path);
    };
    ribbon(300, 12, 0.4, 60, QColor(0xFF, 0xFF, 0xFF, 70), QColor(0xF2, 0xB8, 0xC8, 40));
    ribbon(318, 10, 2.1, 110, QColor(0xEE, 0xA8, 0xBC, 45), QColor(0xE6, 0x98, 0xB0, 30));

    // A fine highlight along each ribbon's upper edge.
    auto edge = [&](double y0, double amp, double phase, QColor colour) {
        QPainterPath path;
        for (int i = 0; i <= 72; ++i) {
            const double x = kBackWidth * i / 72.0;
            const double y = y0 + amp * std::sin(x / kBackWidth * 2.0 * std::numbers::pi * 1.2 + phase);
            if (i == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.setPen(QPen(colour, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    };
    edge(300, 12, 0.4, QColor(0xFF, 0xFF, 0xFF, 150));
    edge(318, 10, 2.1, QColor(0xFF, 0xF4, 0xF7, 110));

    // Soft bubbles, kept to the margins and the foot so that text stays clear.
    Sequence seq;
    const QRectF zones[] = {
        QRectF(0, 0, kBackWidth, 16),          // top margin
        QRectF(0, 290, kBackWidth, 128),       // foot
        QRectF(684, 0, 18, kBackHeight),       // right margin
        QRectF(0, 0, 18, kBackHeight),         // left margin
    };
    const int counts[] = {9, 26, 6, 6};
    for (std::size_t z = 0; z < std::size(zones); ++z) {
        for (int i = 0; i < counts[z]; ++i) {
            const QRectF& zone = zones[z];
            const QPointF c(zone.left() + seq.Next() * zone.width(), zone.top() + seq.Next() * zone.height());
            const double r = 3.0 + seq.Next() * (z == 1 ? 16.0 : 9.0);
            const bool pink = seq.Next() < 0.5;
            QColor colour = pink ? QColor(0xF4, 0xA6, 0xBE) : QColor(0xFF, 0xFF, 0xFF);
            QRadialGradient g(c, r, c - QPointF(r * 0.3, r * 0.3));
            g.setColorAt(0.0, withAlpha(colour, pink ? 0.22 : 0.55));
            g.setColorAt(0.8, withAlpha(colour, pink ? 0.12 : 0.25));
            g.setColorAt(1.0, withAlpha(colour, 0.0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
    return img;
}

// ------------------------------------------------------------------- icon

// The application icon: a calendar sheet with coloured days and a heart.
// Drawn on a clear background; no visible pixel is pure white, because the
// picture is shown with white as its transparent colour. Designed on a
// 128-pixel grid and drawn at any size for the desktop's icon themes.
QImage drawIcon(int size = kIcon)
{
    const double scale = double(size) / kIcon;
    const int blur = std::max(1, int(std::lround(3 * scale)));
    QImage art = newImage(size, size, Qt::transparent);
    const QRectF sheet(14, 16, 94, 94);
    const double corner = 14;

    {
        // Shadow of the sheet.
        QImage shadow = newImage(size, size, Qt::transparent);
        QPainter s(&shadow);
        antialias(s);
        s.scale(scale, scale);
        s.setPen(Qt::NoPen);
        s.setBrush(QColor(0x5A, 0x20, 0x38, 110));
        s.drawRoundedRect(sheet.translated(1.5, 3.5), corner, corner);
        s.end();
        QPainter p(&art);
        p.drawImage(0, 0, blurred(shadow, blur));
    }

    QPainter p(&art);
    antialias(p);
    p.scale(scale, scale);

    QPainterPath sheetPath;
    sheetPath.addRoundedRect(sheet, corner, corner);
    QLinearGradient paper(0, sheet.top(), 0, sheet.bottom());
    paper.setColorAt(0.0, QColor(0xFE, 0xFD, 0xFD));
    paper.setColorAt(1.0, QColor(0xF4, 0xEC, 0xEE));
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawPath(sheetPath);

    // Header band.
    p.save();
    p.setClipPath(sheetPath);
    const QRectF band(sheet.left(), sheet.top(), sheet.width(), 27);
    QLinearGradient header(0, band.top(), 0, band.bottom());
    header.setColorAt(0.0, QColor(0xF5, 0x7D, 0x97));
    header.setColorAt(1.0, QColor(0xD4, 0x43, 0x66));
    p.fillRect(band, header);
    QLinearGradient shine(0, band.top(), 0, band.top() + 13);
    shine.setColorAt(0.0, QColor(255, 255, 255, 90));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(band.left(), band.top(), band.width(), 13), shine);
    p.fillRect(QRectF(band.left(), band.bottom(), band.width(), 1.5), QColor(0xA8, 0x2C, 0x4C, 120));
    p.restore();

    // Binder rings through the top of the band.
    for (double x : {40.0, 82.0}) {
        p.setBrush(QColor(0x8E, 0x2A, 0x46));
        p.drawEllipse(QPointF(x, 28.0), 3.6, 3.6);
        QLinearGradient metal(x - 3, 0, x + 3, 0);
        metal.setColorAt(0.0, QColor(0x9A, 0x96, 0x9E));
        metal.setColorAt(0.45, QColor(0xF2, 0xF0, 0xF4));
        metal.setColorAt(1.0, QColor(0x7A, 0x76, 0x80));
        p.setBrush(metal);
        p.drawRoundedRect(QRectF(x - 2.6, 9.0, 5.2, 20.0), 2.6, 2.6);
    }

    // Day cells: four columns, three rows, in the calendar's colours.
    const QColor plain(0xF8, 0xE6, 0xDE);
    const QColor menses(0xFF, 0x6F, 0x7D);
    const QColor fertile(0xD6, 0xF0, 0x2A);
    const QColor ovulation(0x9B, 0xDC, 0x5F);
    const QColor cells[3][4] = {
        {menses, menses, menses, plain},
        {plain, plain, fertile, fertile},
        {ovulation, fertile, plain, plain},
    };
    const double cw = 17.0, ch = 15.0, gap = 4.0;
    const double gx = sheet.left() + (sheet.width() - 4 * cw - 3 * gap) / 2.0;
    const double gy = band.bottom() + 10.0;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            const QRectF cell(gx + c * (cw + gap), gy + r * (ch + gap), cw, ch);
            const QColor col = cells[r][c];
            QLinearGradient g(0, cell.top(), 0, cell.bottom());
            g.setColorAt(0.0, mixed(col, QColor(0xFF, 0xFF, 0xFF), 0.35));
            g.setColorAt(1.0, col);
            p.setPen(QPen(col.darker(118), 1.0));
            p.setBrush(g);
            p.drawRoundedRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
        }
    }

    // The heart, overlapping the sheet's lower right corner.
    const QPainterPath heart = heartPath(QPointF(93.0, 94.0), 46.0);
    {
        QImage shadow = newImage(size, size, Qt::transparent);
        QPainter s(&shadow);
        antialias(s);
        s.scale(scale, scale);
        s.setPen(Qt::NoPen);
        s.setBrush(QColor(0x6A, 0x08, 0x28, 120));
        s.drawPath(heart.translated(1.0, 3.0));
        s.end();
        p.save();
        p.resetTransform();
        p.drawImage(0, 0, blurred(shadow, blur));
        p.restore();
    }
    p.setPen(QPen(QColor(0xFE, 0xF8, 0xFA), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QRadialGradient red(QPointF(88, 88), 30, QPointF(82, 80));
    red.setColorAt(0.0, QColor(0xFF, 0x7A, 0x93));
    red.setColorAt(0.6, QColor(0xE8, 0x2A, 0x50));
    red.setColorAt(1.0, QColor(0xB0, 0x0E, 0x34));
    p.setBrush(red);
    p.drawPath(heart);
    // Gloss on the heart's left lobe.
    QPainterPath gloss;
    gloss.addEllipse(QRectF(77, 77, 13, 8));
    QLinearGradient glossFill(0, 77, 0, 85);
    glossFill.setColorAt(0.0, QColor(255, 255, 255, 200));
    glossFill.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(glossFill);
    p.save();
    p.translate(83.5, 81);
    p.rotate(-28);
    p.translate(-83.5, -81);
    p.drawPath(gloss);
    p.restore();
    p.end();

    // White is the transparent colour: nudge visible white off it and give
    // clear pixels a white colour.
    QImage out = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb px = row[x];
            if (qAlpha(px) == 0)
                row[x] = qRgba(255, 255, 255, 0);
            else if ((px & 0x00FFFFFFu) == 0x00FFFFFFu)
                row[x] = qRgba(254, 254, 254, qAlpha(px));
        }
    }
    return out;
}

// ----------------------------------------------------------- contact sheet

// The picture as the application shows it: the mask's grey is opacity
// (black opaque, white clear).
QImage masked(const QImage& picture, const QImage& mask)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage m = mask.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* mrow = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int alpha = qAlpha(row[x]) * (255 - qGray(mrow[x])) / 255;
            row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha);
        }
    }
    return out;
}

QImage checker(int w, int h, int cell)
{
    QImage img = newImage(w, h, QColor(0xFF, 0xFF, 0xFF));
    QPainter p(&img);
    for (int y = 0; y < h; y += cell)
        for (int x = 0; x < w; x += cell)
            if (((x / cell) + (y / cell)) % 2)
                p.fillRect(x, y, cell, cell, QColor(0xD6, 0xD6, 0xD6));
    return img;
}

void drawZoomed(QPainter& p, int x, int y, const QImage& img, int zoom, bool onChecker)
{
    const QRect target(x, y, img.width() * zoom, img.height() * zoom);
    if (onChecker)
        p.drawImage(target.topLeft(), checker(target.width(), target.height(), 8));
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(target, img);
    p.restore();
}

// One day cell as the calendar paints it: background, date strip and the
// goal picture at the canvas offset.
QImage dayCell(QColor background, QColor strip, const QImage* mark)
{
    QImage img = newImage(44, 36, background);
    QPainter p(&img);
    p.fillRect(0, 0, 44, 14, strip);
    p.setPen(QColor(0xBC, 0xBC, 0xBC));
    p.drawLine(0, 0, 43, 0);
    p.drawLine(0, 0, 0, 35);
    p.setPen(QColor(0x8B, 0x8B, 0x8B));
    p.drawLine(43, 0, 43, 35);
    p.drawLine(0, 35, 43, 35);
    // Stand-in for the day number.
    p.fillRect(33, 4, 7, 7, QColor(0x30, 0x30, 0x30));
    if (mark)
        p.drawImage(2, 10, *mark);
    return img;
}

QImage contactSheet(const std::vector<QImage>& marks, const QImage& msk, const QImage& frame,
                    const QImage& frameMask, const QImage& backdrop, const QImage& icon)
{
    QImage sheet = newImage(1180, 1040, QColor(0xE4, 0xE4, 0xE8));
    QPainter p(&sheet);

    // Row 1: each day mark raw, its mask applied on a checker board, and at
    // its own size on the backdrop.
    std::vector<QImage> shown;
    for (const QImage& m : marks)
        shown.push_back(masked(m, msk));
    int x = 16;
    drawZoomed(p, x, 16, msk, 4, false);
    x += 4 * kMark + 16;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        drawZoomed(p, x, 16, marks[i], 4, false);
        drawZoomed(p, x, 16 + 4 * kMark + 8, shown[i], 4, true);
        x += 4 * kMark + 16;
    }
    // Legend column as the calendar shows it.
    p.drawImage(QPoint(16, 240), backdrop.copy(356, 60, 136, 210));
    for (std::size_t i = 0; i < shown.size(); ++i)
        p.drawImage(QPoint(16 + 10, 240 + 13 + int(i) * 28), shown[i]);

    // Day cells in the calendar's colours, with each goal picture, at 2x.
    const QColor regular(0xFF, 0xEE, 0xE6), menses(0xFF, 0x6F, 0x7D), ovulation(0x9B, 0xDC, 0x5F),
        fertile(0xD6, 0xFF, 0x00), strip(0xFE, 0xED, 0xE6), today(0xC6, 0x8B, 0xA1);
    const QColor backgrounds[] = {regular, menses, fertile, ovulation, fertile, regular};
    const QImage* goals[] = {nullptr, &shown[3], &shown[4], &shown[5], &shown[6], &shown[3]};
    for (int i = 0; i < 6; ++i) {
        const QImage cell = dayCell(backgrounds[i], i == 5 ? today : strip, goals[i]);
        drawZoomed(p, 180 + i * 100, 240, cell, 2, false);
    }
    // The same cells at their own size, as a row of the grid.
    for (int i = 0; i < 6; ++i)
        p.drawImage(180 + i * 44, 330,
                    dayCell(backgrounds[i], i == 5 ? today : strip, goals[i]));

    // Frame pieces, their masks, and an assembled number field at 1x and 3x.
    const QImage pieces[] = {leftPiece(frame), middlePiece(frame), rightPiece(frame)};
    const QImage masks[] = {leftPiece(frameMask), middlePiece(frameMask), rightPiece(frameMask)};
    for (int i = 0; i < 3; ++i) {
        drawZoomed(p, 180 + i * 52, 390, pieces[i], 4, false);
        drawZoomed(p, 180 + i * 52, 480, masks[i], 4, false);
    }
    auto field = [&](int width) {
        QImage img = backdrop.copy(514, 206, width, kFrameHeight);
        QPainter f(&img);
        f.drawImage(0, 0, masked(pieces[0], masks[0]));
        f.drawImage(width - kCap, 0, masked(pieces[2], masks[2]));
        f.drawImage(QRect(kCap, 0, width - 2 * kCap, kFrameHeight), masked(pieces[1], masks[1]));
        f.fillRect(kCap, 2, width - 2 * kCap, 17, Qt::white);
        f.fillRect(width / 2 - 4, 6, 8, 9, QColor(0x30, 0x30, 0x30));   // stand-in for "28"
        return img;
    };
    const QImage f92 = field(92);
    p.drawImage(350, 390, backdrop.copy(500, 195, 160, 44));
    p.drawImage(364, 402, f92);
    drawZoomed(p, 350, 450, f92, 3, false);

    // The icon on a checker board, on the backdrop and on a dark ground.
    drawZoomed(p, 680, 240, icon, 1, true);
    p.drawImage(QPoint(820, 240), backdrop.copy(200, 200, kIcon, kIcon));
    p.drawImage(820, 240, icon);
    p.fillRect(960, 240, kIcon, kIcon, QColor(0x30, 0x2C, 0x34));
    p.drawImage(960, 240, icon);
    drawZoomed(p, 680, 380, icon, 2, true);

    // The backdrop with the outlines of the calendar window's groups and the
    // bottom of the calendar window.
    const int bx = 16, by = 600;
    p.drawImage(bx, by, backdrop);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0x70, 0x78), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(bx + 22.5, by + 18.5, 317, 265), 8, 8);
    p.drawRoundedRect(QRectF(bx + 356.5, by + 30.5, 136, 250), 4, 4);
    p.drawRoundedRect(QRectF(bx + 506.5, by + 30.5, 175, 250), 4, 4);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(bx + 35.5 + 167 * i, by + 296.5, 136, 20), 4, 4);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1, Qt::DashLine));
    p.drawLine(bx, by + 335, bx + kBackWidth, by + 335);
    for (std::size_t i = 0; i < shown.size(); ++i)
        p.drawImage(QPoint(bx + 366, by + 73 + int(i) * 28), shown[i]);
    const QImage f = field(92);
    p.drawImage(bx + 514, by + 206, f);
    p.drawImage(bx + 514, by + 248, f);
    return sheet;
}

bool save(const QImage& image, const QString& path, bool alpha)
{
    const QImage out = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: artgen <output-folder> [contact-sheet.png [desktop-icon-folder]]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[1]);
        return 1;
    }

    const QImage msk = drawMask();
    const QImage forbid = drawForbid();
    const QImage male = drawMale();
    const QImage female = drawFemale();
    const QImage heart = drawHeart();
    const QImage fer = drawFer();
    const QImage ovu = drawOvu();
    const QImage men = drawMen();
    const QImage icon = drawIcon();
    const QImage backdrop = drawBackdrop();
    const QImage frame = drawFrame();
    const QImage frameMask = drawFrameMask();

    struct Output {
        const char* name;
        QImage image;
        bool alpha;
    };
    const Output outputs[] = {
        {"msk", msk, false},
        {"forbid", forbid, false},
        {"male", male, false},
        {"female", female, false},
        {"heart", heart, false},
        {"fer", fer, false},
        {"ovu", ovu, false},
        {"men", men, false},
        {"cycicon", icon, true},
        {"backg1", backdrop, false},
        {"REFLeftMask", leftPiece(frameMask), false},
        {"REFLeftPic", leftPiece(frame), false},
        {"REFMiddleMask", middlePiece(frameMask), false},
        {"REFMiddlePic", middlePiece(frame), false},
        {"REFRightMask", rightPiece(frameMask), false},
        {"REFRightPic", rightPiece(frame), false},
    };
    bool ok = true;
    for (const Output& o : outputs)
        ok = save(o.image, dir.filePath(QString::fromLatin1(o.name) + QStringLiteral(".png")), o.alpha) && ok;

    if (argc >= 3) {
        const std::vector<QImage> marks = {men, ovu, fer, heart, male, female, forbid};
        ok = save(contactSheet(marks, msk, frame, frameMask, backdrop, icon),
                  QString::fromLocal8Bit(argv[2]), false)
            && ok;
    }
    // The desktop's icons, one per size of the hicolor theme.
    if (argc >= 4) {
        const QDir icons(QString::fromLocal8Bit(argv[3]));
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            ok = save(drawIcon(size), icons.filePath(QStringLiteral("%1.png").arg(size)), true) && ok;
    }
    return ok ? 0 : 1;
}
