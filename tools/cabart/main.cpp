// SPDX-License-Identifier: GPL-3.0-or-later
//
// Draws the glossy button's artwork and writes it as the base64 PNG constants
// that the button carries, with PNG copies and a contact sheet for review.
// Usage: cabart <source-folder-for-cabartwork.gen.*> <png-folder>
//
// Only QImage and QPainter are used, never fonts, so the output depends on
// nothing but this code.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QConicalGradient>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

// ------------------------------------------------------------------ helpers

QImage layer(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void antialias(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(Qt::NoPen);
}

QImage onWhite(const QImage& art)
{
    QImage out(art.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, art);
    return out;
}

// Applies fn to the colour of every pixel of a layer, keeping its coverage.
QImage mapColours(const QImage& art, const std::function<QColor(QColor)>& fn)
{
    QImage img = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a == 0)
                continue;
            const QColor c = fn(QColor(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
            row[x] = qRgba(c.red(), c.green(), c.blue(), a);
        }
    }
    return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int clampByte(double v)
{
    return std::clamp(int(std::lround(v)), 0, 255);
}

double luma(QColor c)
{
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
}

QColor mix(QColor a, QColor b, double t)
{
    return QColor(clampByte(a.red() + (b.red() - a.red()) * t), clampByte(a.green() + (b.green() - a.green()) * t),
                  clampByte(a.blue() + (b.blue() - a.blue()) * t));
}

QColor toGrey(QColor c, double lift)
{
    const double l = luma(c);
    const int v = clampByte(l + (255 - l) * lift);
    return QColor(v, v, v);
}

QColor darker(QColor c, double f)
{
    return QColor(clampByte(c.red() * f), clampByte(c.green() * f), clampByte(c.blue() * f));
}

QColor white(int alpha)
{
    return QColor(255, 255, 255, alpha);
}

// The silhouette of a path in black on white, for the masks.
QImage maskOf(int w, int h, const QPainterPath& shape)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    antialias(p);
    p.setBrush(Qt::black);
    p.drawPath(shape);
    return img;
}

QPainterPath ellipsePath(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

QPainterPath roundedPath(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A path's outline as a fillable path.
QPainterPath stroked(const QPainterPath& path, double width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

// A filled shape with slightly rounded corners, as a glyph of a symbol.
void glyph(QPainter& p, const QPainterPath& path, QColor colour = Qt::black, double round = 1.6)
{
    p.setBrush(colour);
    p.setPen(QPen(colour, round, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
}

// ------------------------------------------------------- glossy faces (grey)

// The face of the round and mini arrow buttons: a mid grey with a faint blue
// cast, a dark rim, a soft glow at the bottom and a bright highlight at the
// top. shape is the outline; the body runs a little past the mask's edge so
// that the mask alone shapes the border.
void glossyFace(QPainter& p, const QPainterPath& shape, const QRectF& box, double highlightRadius)
{
    const QPointF centre = box.center();
    p.setBrush(QColor(70, 74, 86));
    p.drawPath(shape);

    const QRectF inner = box.adjusted(3.6, 3.6, -3.6, -3.6);
    QPainterPath body;
    if (highlightRadius <= 0)
        body.addEllipse(inner);
    else
        body.addRoundedRect(inner, highlightRadius - 2, highlightRadius - 2);
    QRadialGradient base(QPointF(centre.x(), box.top() + box.height() * 0.72), box.height() * 0.62);
    base.setColorAt(0.0, QColor(206, 211, 222));
    base.setColorAt(0.55, QColor(156, 161, 175));
    base.setColorAt(1.0, QColor(104, 109, 124));
    p.setBrush(base);
    p.drawPath(body);

    p.save();
    p.setClipPath(body);
    // Light bouncing up from below.
    QRadialGradient glow(QPointF(centre.x(), box.bottom() + box.height() * 0.08), box.width() * 0.55);
    glow.setColorAt(0.0, white(170));
    glow.setColorAt(0.6, white(60));
    glow.setColorAt(1.0, white(0));
    p.setBrush(glow);
    p.drawRect(box);
    p.restore();

    // The top highlight: a bright lens, fading towards the middle.
    const QRectF lens(box.left() + box.width() * 0.13, box.top() + box.height() * 0.045, box.width() * 0.74,
                      box.height() * 0.46);
    QLinearGradient shine(0, lens.top(), 0, lens.bottom());
    shine.setColorAt(0.0, white(245));
    shine.setColorAt(0.45, white(150));
    shine.setColorAt(1.0, white(18));
    p.setBrush(shine);
    if (highlightRadius <= 0)
        p.drawEllipse(lens);
    else
        p.drawRoundedRect(lens, highlightRadius * 0.8, highlightRadius * 0.8);
}

QImage drawRoundFace()
{
    QImage img = layer(75, 82);
    QPainter p(&img);
    antialias(p);
    const QRectF disc(0.2, 0.2, 74.6, 81.6);
    glossyFace(p, ellipsePath(disc), disc, 0);
    return img;
}

QImage drawRoundMask()
{
    QImage img = maskOf(75, 82, ellipsePath(QRectF(1.0, 1.0, 73.0, 80.0)));
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage drawMiniFace(int w, int h)
{
    QImage img = layer(w, h);
    QPainter p(&img);
    antialias(p);
    const QRectF box(0.2, 0.2, w - 0.4, h - 0.4);
    glossyFace(p, roundedPath(box, 19), box, 19);
    return onWhite(img);
}

QImage drawMiniMask(int w, int h)
{
    return maskOf(w, h, roundedPath(QRectF(1.0, 1.0, w - 2.0, h - 2.0), 18));
}

// ------------------------------------------------------------------ symbols

QImage symbolImage(int w, int h, const std::function<void(QPainter&)>& draw, bool alpha)
{
    QImage img = layer(w, h);
    {
        QPainter p(&img);
        antialias(p);
        draw(p);
    }
    return alpha ? img.convertToFormat(QImage::Format_ARGB32) : onWhite(img);
}

void drawPlay(QPainter& p)
{
    glyph(p, polygonPath({{2.5, 2.0}, {27.0, 17.5}, {2.5, 33.0}}));
}

void drawStop(QPainter& p)
{
    p.fillRect(QRect(0, 0, 25, 26), Qt::black);
}

void drawForward(QPainter& p)
{
    glyph(p, polygonPath({{1.5, 2.0}, {19.0, 13.5}, {1.5, 25.0}}));
    glyph(p, polygonPath({{19.0, 2.0}, {36.5, 13.5}, {19.0, 25.0}}));
}

void drawBack(QPainter& p)
{
    glyph(p, polygonPath({{36.5, 2.0}, {19.0, 13.5}, {36.5, 25.0}}));
    glyph(p, polygonPath({{19.0, 2.0}, {1.5, 13.5}, {19.0, 25.0}}));
}

void drawPause(QPainter& p)
{
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(1.0, 1.0, 6.8, 27.0), 1.2, 1.2);
    p.drawRoundedRect(QRectF(11.2, 1.0, 6.8, 27.0), 1.2, 1.2);
}

void drawApple(QPainter& p)
{
    QPainterPath body;
    body.moveTo(15.5, 13.6);
    body.cubicTo(20.0, 10.0, 30.5, 10.0, 30.5, 21.5);
    body.cubicTo(30.5, 30.5, 25.0, 37.5, 21.2, 37.5);
    body.cubicTo(18.6, 37.5, 17.6, 36.2, 15.5, 36.2);
    body.cubicTo(13.4, 36.2, 12.4, 37.5, 9.8, 37.5);
    body.cubicTo(6.0, 37.5, 0.5, 30.5, 0.5, 21.5);
    body.cubicTo(0.5, 10.0, 11.0, 10.0, 15.5, 13.6);
    p.setBrush(Qt::black);
    p.drawPath(body);
    QPainterPath stem;
    stem.moveTo(15.3, 13.5);
    stem.cubicTo(15.3, 10.0, 16.0, 7.5, 17.5, 5.5);
    p.drawPath(stroked(stem, 2.4));
    QPainterPath leaf;
    leaf.moveTo(17.8, 8.6);
    leaf.cubicTo(18.2, 3.0, 22.5, 0.6, 28.0, 0.8);
    leaf.cubicTo(27.6, 6.4, 23.4, 9.4, 17.8, 8.6);
    p.drawPath(leaf);
}

// An arc of a circle (screen angles, counter-clockwise from 3 o'clock) with
// an arrowhead at its end.
void arrowArc(QPainter& p, QPointF c, double r, double from, double to, double width, double headHalf,
              double headLength)
{
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath arc;
    arc.arcMoveTo(box, from);
    arc.arcTo(box, from, to - from);
    p.setBrush(Qt::black);
    p.drawPath(stroked(arc, width, Qt::FlatCap));
    const double t = to * kPi / 180.0;
    const QPointF at(c.x() + r * std::cos(t), c.y() - r * std::sin(t));
    const double sign = to > from ? 1.0 : -1.0;
    const QPointF dir(-std::sin(t) * sign, -std::cos(t) * sign);
    const QPointF normal(std::cos(t), -std::sin(t));
    glyph(p, polygonPath({at + normal * headHalf, at + dir * headLength, at - normal * headHalf}), Qt::black, 1.0);
}

void drawReload(QPainter& p)
{
    const QPointF c(22.5, 16.0);
    arrowArc(p, c, 11.0, 25.0, 150.0, 4.2, 5.6, 7.0);
    arrowArc(p, c, 11.0, 205.0, 330.0, 4.2, 5.6, 7.0);
}

void drawPlus(QPainter& p)
{
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(0.5, 7.5, 21.0, 7.0), 1.0, 1.0);
    p.drawRoundedRect(QRectF(7.5, 0.5, 7.0, 21.0), 1.0, 1.0);
}

void drawMinus(QPainter& p)
{
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(0.5, 0.5, 22.0, 5.0), 1.0, 1.0);
}

void drawNote(QPainter& p)
{
    p.setBrush(Qt::black);
    p.save();
    p.translate(9.5, 32.5);
    p.rotate(-22);
    p.drawEllipse(QPointF(0, 0), 8.8, 6.2);
    p.restore();
    p.drawRect(QRectF(15.2, 2.0, 3.2, 30.0));
    QPainterPath flag;
    flag.moveTo(15.2, 1.5);
    flag.lineTo(18.4, 1.5);
    flag.cubicTo(19.5, 8.0, 31.5, 10.5, 29.0, 24.5);
    flag.cubicTo(28.5, 17.5, 23.0, 13.5, 18.4, 12.5);
    flag.lineTo(15.2, 12.5);
    flag.closeSubpath();
    p.drawPath(flag);
}

void drawX(QPainter& p)
{
    QPainterPath cross;
    cross.moveTo(4.0, 4.0);
    cross.lineTo(25.0, 32.0);
    cross.moveTo(25.0, 4.0);
    cross.lineTo(4.0, 32.0);
    p.setBrush(Qt::black);
    p.drawPath(stroked(cross, 6.4));
}

void drawHelp(QPainter& p)
{
    const QRectF ring(3.3, 2.3, 13.4, 13.4);
    QPainterPath hook;
    hook.arcMoveTo(ring, 168);
    hook.arcTo(ring, 168, -258);
    hook.lineTo(10.0, 21.5);
    p.setBrush(Qt::black);
    p.drawPath(stroked(hook, 4.4));
    p.drawEllipse(QPointF(10.0, 29.8), 2.9, 2.9);
}

void drawPower(QPainter& p)
{
    const QRectF ring(4.5, 8.5, 23.0, 23.0);
    QPainterPath arc;
    // Open at the top, where the bar stands.
    arc.arcMoveTo(ring, 122);
    arc.arcTo(ring, 122, 296);
    p.setBrush(Qt::black);
    p.drawPath(stroked(arc, 4.4));
    QPainterPath bar;
    bar.moveTo(16.0, 3.0);
    bar.lineTo(16.0, 18.0);
    p.drawPath(stroked(bar, 4.4));
}

void drawHeadPhones(QPainter& p)
{
    const QRectF band(4.5, 5.0, 32.0, 34.0);
    QPainterPath arc;
    arc.arcMoveTo(band, 180);
    arc.arcTo(band, 180, -180);
    p.setBrush(Qt::black);
    p.drawPath(stroked(arc, 3.6, Qt::FlatCap));
    p.drawRoundedRect(QRectF(1.0, 21.0, 10.0, 19.5), 3.5, 3.5);
    p.drawRoundedRect(QRectF(30.0, 21.0, 10.0, 19.5), 3.5, 3.5);
}

void drawWeb(QPainter& p)
{
    const QPointF c(32.0, 32.0);
    const double r = 28.5;
    QPainterPath lines;
    lines.addEllipse(c, r, r);
    lines.addEllipse(c, r * 0.45, r);
    lines.moveTo(c.x(), c.y() - r);
    lines.lineTo(c.x(), c.y() + r);
    lines.moveTo(c.x() - r, c.y());
    lines.lineTo(c.x() + r, c.y());
    // Two parallels, chords of the globe.
    for (double dy : {-r * 0.55, r * 0.55}) {
        const double half = std::sqrt(r * r - dy * dy);
        lines.moveTo(c.x() - half, c.y() + dy);
        lines.lineTo(c.x() + half, c.y() + dy);
    }
    p.setBrush(Qt::black);
    p.drawPath(stroked(lines, 3.0, Qt::FlatCap));
}

QPainterPath figure(QPointF head, double headR, double shoulders, double bottom)
{
    QPainterPath path;
    path.addEllipse(head, headR, headR);
    const double top = head.y() + headR + 1.5;
    QPainterPath body;
    body.moveTo(head.x() - shoulders, bottom);
    body.cubicTo(head.x() - shoulders, top, head.x() + shoulders, top, head.x() + shoulders, bottom);
    body.closeSubpath();
    return path.united(body);
}

void drawUsers(QPainter& p)
{
    const QPainterPath back = figure(QPointF(23.5, 8.0), 6.2, 11.0, 31.0);
    const QPainterPath front = figure(QPointF(13.0, 13.5), 7.0, 12.5, 36.5);
    p.setBrush(Qt::black);
    p.drawPath(back);
    // A white edge keeps the front figure apart from the one behind.
    p.setBrush(Qt::white);
    p.drawPath(stroked(front, 3.0));
    p.setBrush(Qt::black);
    p.drawPath(front);
}

void drawHammer(QPainter& p)
{
    p.setBrush(Qt::black);
    p.translate(18.5, 12.5);
    p.rotate(40);
    p.drawRoundedRect(QRectF(-2.3, -1.0, 4.6, 21.5), 2.0, 2.0);
    QPainterPath head;
    head.moveTo(-11.5, -8.5);
    head.lineTo(7.5, -8.5);
    head.lineTo(11.0, -6.0);
    head.lineTo(11.0, -2.0);
    head.lineTo(7.5, 0.5);
    head.lineTo(-9.0, 0.5);
    head.cubicTo(-11.0, -1.5, -12.5, -4.5, -11.5, -8.5);
    p.drawPath(head);
}

void drawFind(QPainter& p)
{
    QPainterPath ring;
    ring.addEllipse(QPointF(12.5, 12.5), 8.6, 8.6);
    p.setBrush(Qt::black);
    p.drawPath(stroked(ring, 4.0));
    QPainterPath handle;
    handle.moveTo(19.5, 19.5);
    handle.lineTo(28.5, 28.5);
    p.drawPath(stroked(handle, 6.0));
}

void drawArrowUp(QPainter& p)
{
    glyph(p, polygonPath({{27.0, 5.0}, {49.0, 43.0}, {5.0, 43.0}}), Qt::black, 3.0);
}

void drawArrowDown(QPainter& p)
{
    glyph(p, polygonPath({{5.0, 5.0}, {49.0, 5.0}, {27.0, 43.0}}), Qt::black, 3.0);
}

void drawArrowRight(QPainter& p)
{
    glyph(p, polygonPath({{5.0, 5.0}, {43.0, 27.0}, {5.0, 49.0}}), Qt::black, 3.0);
}

void drawArrowLeft(QPainter& p)
{
    glyph(p, polygonPath({{43.0, 5.0}, {5.0, 27.0}, {43.0, 49.0}}), Qt::black, 3.0);
}

// -------------------------------------------------------- pre-drawn buttons

// Each pre-drawn button is drawn once as a layer in colour; its pressed and
// disabled states are colour changes of that layer, and every state sits on
// a white ground.
struct PreDrawn {
    QImage normal, mask, pressed, disabled;
};

PreDrawn finish(const QImage& art, const QImage& pressedArt, const QImage& mask,
                const std::function<QColor(QColor)>& disabled)
{
    return {onWhite(art), mask, onWhite(pressedArt), onWhite(mapColours(art, disabled))};
}

QPainterPath gearShape(QPointF c, int teeth, double outer, double root, double hole)
{
    QPainterPath path;
    const double step = 2 * kPi / teeth;
    for (int i = 0; i < teeth; ++i) {
        const double a = i * step - kPi / 2;
        // Root, flank up, flat top, flank down: the top is narrower than the root.
        const double pts[][2] = {
            {a - step * 0.5, root}, {a - step * 0.26, root}, {a - step * 0.17, outer},
            {a + step * 0.17, outer}, {a + step * 0.26, root},
        };
        for (const auto& pt : pts) {
            const QPointF q(c.x() + pt[1] * std::cos(pt[0]), c.y() + pt[1] * std::sin(pt[0]));
            if (i == 0 && &pt == &pts[0])
                path.moveTo(q);
            else
                path.lineTo(q);
        }
    }
    path.closeSubpath();
    QPainterPath holePath;
    holePath.addEllipse(c, hole, hole);
    return path.subtracted(holePath);
}

PreDrawn drawGear()
{
    const QPointF c(125.0, 124.0);
    const QPainterPath shape = gearShape(c, 12, 119.0, 97.0, 30.0);
    auto paint = [&](QColor light, QColor dark) {
        QImage img = layer(250, 248);
        QPainter p(&img);
        antialias(p);
        QLinearGradient metal(40, 20, 210, 230);
        metal.setColorAt(0.0, light);
        metal.setColorAt(1.0, dark);
        p.setBrush(metal);
        p.drawPath(shape);
        // A raised ring and a bevel round the hub.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(mix(dark, Qt::black, 0.35), 7));
        p.drawEllipse(c, 72.0, 72.0);
        p.setPen(QPen(mix(light, Qt::white, 0.25), 3));
        p.drawEllipse(c, 67.0, 67.0);
        p.setPen(QPen(mix(dark, Qt::black, 0.4), 6));
        p.drawEllipse(c, 33.0, 33.0);
        return img;
    };
    const QImage art = paint(QColor(112, 117, 128), QColor(42, 45, 52));
    const QImage pressed = paint(QColor(96, 128, 196), QColor(24, 44, 104));
    return finish(art, pressed, maskOf(250, 248, shape), [](QColor col) { return toGrey(col, 0.45); });
}

QPainterPath houseShape()
{
    QPainterPath roof = polygonPath({{16.0, 1.5}, {31.0, 15.5}, {1.0, 15.5}});
    QPainterPath body;
    body.addRect(QRectF(5.0, 13.0, 22.0, 17.5));
    QPainterPath chimney;
    chimney.addRect(QRectF(21.5, 3.5, 4.5, 9.0));
    return roof.united(body).united(chimney);
}

PreDrawn drawHome()
{
    const QPainterPath shape = houseShape();
    QImage art = layer(32, 32);
    {
        QPainter p(&art);
        antialias(p);
        p.setBrush(QColor(84, 100, 130));
        p.drawPath(shape);
        p.setBrush(QColor(128, 146, 176));
        p.drawRect(QRectF(7.0, 15.5, 18.0, 13.0));
        p.setBrush(QColor(62, 74, 98));
        p.drawRect(QRectF(13.5, 19.5, 5.5, 9.0));
        p.setBrush(QColor(208, 220, 236));
        p.drawRect(QRectF(8.5, 17.5, 3.5, 3.5));
        p.drawRect(QRectF(20.5, 17.5, 3.5, 3.5));
    }
    return finish(art, mapColours(art, [](QColor col) { return mix(col, Qt::white, 0.35); }), maskOf(32, 32, shape),
                  [](QColor col) { return toGrey(col, 0.3); });
}

PreDrawn drawCD()
{
    const QPointF c(35.0, 35.0);
    QPainterPath shape = ellipsePath(QRectF(1.0, 1.0, 68.0, 68.0));
    shape = shape.subtracted(ellipsePath(QRectF(c.x() - 6.0, c.y() - 6.0, 12.0, 12.0)));
    auto paint = [&](const std::vector<QColor>& sheen) {
        QImage img = layer(70, 70);
        QPainter p(&img);
        antialias(p);
        p.setBrush(QColor(196, 200, 208));
        p.drawPath(shape);
        p.save();
        p.setClipPath(shape);
        QConicalGradient rainbow(c, 30);
        for (std::size_t i = 0; i < sheen.size(); ++i)
            rainbow.setColorAt(double(i) / double(sheen.size() - 1), sheen[i]);
        p.setBrush(rainbow);
        p.drawEllipse(c, 33.0, 33.0);
        QRadialGradient shine(c, 34.0);
        shine.setColorAt(0.35, white(0));
        shine.setColorAt(0.75, white(90));
        shine.setColorAt(1.0, white(20));
        p.setBrush(shine);
        p.drawEllipse(c, 34.0, 34.0);
        // The clear hub ring and the label edge.
        p.setBrush(QColor(226, 230, 236));
        p.drawEllipse(c, 13.0, 13.0);
        p.setBrush(QColor(186, 192, 200));
        p.drawEllipse(c, 9.0, 9.0);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(120, 126, 136), 1.0));
        p.drawEllipse(c, 33.5, 33.5);
        return img;
    };
    const QImage art = paint({QColor(255, 120, 150), QColor(255, 210, 90), QColor(120, 230, 120),
                              QColor(90, 200, 255), QColor(170, 120, 255), QColor(255, 120, 150)});
    const QImage pressed = paint({QColor(170, 235, 225), QColor(190, 205, 255), QColor(240, 200, 240),
                                  QColor(250, 240, 190), QColor(200, 240, 200), QColor(170, 235, 225)});
    return finish(art, pressed, maskOf(70, 70, shape), [](QColor col) { return toGrey(col, 0.2); });
}

QPainterPath floppyShape()
{
    return polygonPath({{2.0, 2.0}, {42.0, 2.0}, {48.0, 8.0}, {48.0, 48.0}, {2.0, 48.0}});
}

PreDrawn drawDisk()
{
    const QPainterPath shape = floppyShape();
    QImage art = layer(50, 50);
    {
        QPainter p(&art);
        antialias(p);
        QLinearGradient body(0, 2, 0, 48);
        body.setColorAt(0.0, QColor(70, 76, 92));
        body.setColorAt(1.0, QColor(34, 38, 48));
        p.setBrush(body);
        p.drawPath(shape);
        QLinearGradient metal(14, 0, 36, 0);
        metal.setColorAt(0.0, QColor(226, 228, 232));
        metal.setColorAt(1.0, QColor(160, 164, 172));
        p.setBrush(metal);
        p.drawRect(QRectF(13.0, 2.0, 23.0, 15.0));
        p.setBrush(QColor(40, 44, 54));
        p.drawRect(QRectF(28.0, 4.5, 5.0, 10.0));
        p.setBrush(QColor(244, 244, 238));
        p.drawRoundedRect(QRectF(8.0, 25.0, 34.0, 21.0), 1.5, 1.5);
        p.setBrush(QColor(196, 80, 70));
        p.drawRect(QRectF(8.0, 25.0, 34.0, 3.0));
        p.setBrush(QColor(170, 176, 190));
        for (double y : {32.5, 37.0, 41.5})
            p.drawRect(QRectF(11.0, y, 28.0, 1.2));
    }
    return finish(art, mapColours(art, [](QColor col) { return darker(col, 0.78); }), maskOf(50, 50, shape),
                  [](QColor col) { return toGrey(col, 0.55); });
}

PreDrawn drawEnvelope()
{
    QImage art = layer(42, 32);
    {
        QPainter p(&art);
        antialias(p);
        QLinearGradient paper(0, 0, 0, 32);
        paper.setColorAt(0.0, QColor(252, 246, 222));
        paper.setColorAt(1.0, QColor(236, 224, 186));
        p.setBrush(paper);
        p.drawRect(QRect(0, 0, 42, 32));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(168, 146, 100), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawRect(QRectF(0.7, 0.7, 40.6, 30.6));
        QPainterPath folds;
        folds.moveTo(1.0, 1.5);
        folds.lineTo(21.0, 18.0);
        folds.lineTo(41.0, 1.5);
        folds.moveTo(1.0, 30.5);
        folds.lineTo(16.0, 15.0);
        folds.moveTo(41.0, 30.5);
        folds.lineTo(26.0, 15.0);
        p.drawPath(folds);
    }
    QImage mask(42, 32, QImage::Format_RGB32);
    mask.fill(Qt::black);
    const auto inverted = [](QColor col) { return QColor(255 - col.red(), 255 - col.green(), 255 - col.blue()); };
    return finish(art, mapColours(art, inverted), mask, [](QColor col) { return toGrey(col, 0.1); });
}

QPainterPath printerShape()
{
    QPainterPath paper = roundedPath(QRectF(18.0, 1.0, 36.0, 12.0), 1.0);
    QPainterPath body = roundedPath(QRectF(2.0, 9.0, 68.0, 18.0), 4.0);
    QPainterPath feet;
    feet.addRect(QRectF(7.0, 26.0, 8.0, 4.0));
    feet.addRect(QRectF(57.0, 26.0, 8.0, 4.0));
    return paper.united(body).united(feet);
}

PreDrawn drawPrinter()
{
    const QPainterPath shape = printerShape();
    QImage art = layer(72, 31);
    {
        QPainter p(&art);
        antialias(p);
        p.setBrush(QColor(120, 124, 132));
        p.drawPath(shape);
        p.setBrush(QColor(252, 252, 250));
        p.drawRect(QRectF(19.0, 2.0, 34.0, 9.0));
        p.setBrush(QColor(200, 204, 210));
        for (double y : {4.5, 7.0})
            p.drawRect(QRectF(22.0, y, 28.0, 1.0));
        QLinearGradient body(0, 10, 0, 26);
        body.setColorAt(0.0, QColor(236, 238, 242));
        body.setColorAt(1.0, QColor(190, 194, 202));
        p.setBrush(body);
        p.drawRoundedRect(QRectF(3.0, 10.0, 66.0, 16.0), 3.2, 3.2);
        p.setBrush(QColor(70, 74, 82));
        p.drawRoundedRect(QRectF(14.0, 19.0, 44.0, 4.0), 1.5, 1.5);
        p.setBrush(QColor(80, 200, 110));
        p.drawEllipse(QPointF(63.0, 14.5), 1.8, 1.8);
        p.setBrush(QColor(160, 164, 172));
        p.drawRoundedRect(QRectF(6.0, 13.0, 8.0, 3.0), 1.0, 1.0);
    }
    return finish(art, mapColours(art, [](QColor col) { return darker(col, 0.78); }), maskOf(72, 31, shape),
                  [](QColor col) { return toGrey(col, 0.0).darker(165); });
}

// ------------------------------------------------------------------- output

struct Artwork {
    std::string name;   // the C++ constant, without its k
    QImage image;
    bool alpha;         // RGBA; RGB otherwise
};

bool encodePNG(const QImage& image, bool alpha, QByteArray& out)
{
    const QImage img = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    out.clear();
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!img.save(&buffer, "PNG"))
        return false;
    // Colour type from the header: 6 RGBA, 2 RGB; 8 bits, not interlaced.
    if (out.size() < 29)
        return false;
    const auto at = [&](int i) { return static_cast<unsigned char>(out[i]); };
    return at(24) == 8 && at(25) == (alpha ? 6 : 2) && at(28) == 0;
}

// Review aid: the round button as the control composes it, at the size the
// calendar shows it, magnified; plain, pressed (blue + 255 on the face) and
// disabled (face + 15, symbol + 75).
QImage composed(const QImage& face, const QImage& symbol, int state, int size)
{
    auto recolour = [](QImage img, int dr, int dg, int db) {
        for (int y = 0; y < img.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                row[x] = qRgba(std::clamp(qRed(row[x]) + dr, 0, 255), std::clamp(qGreen(row[x]) + dg, 0, 255),
                               std::clamp(qBlue(row[x]) + db, 0, 255), qAlpha(row[x]));
        }
        return img;
    };
    QImage base = onWhite(face).convertToFormat(QImage::Format_ARGB32);
    QImage sym = onWhite(symbol).convertToFormat(QImage::Format_ARGB32);
    base = recolour(base, state == 2 ? 15 : 0, state == 2 ? 15 : 0, state == 1 ? 255 : state == 2 ? 15 : 0);
    if (state == 2)
        sym = recolour(sym, 75, 75, 75);
    for (int y = 0; y < sym.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(sym.scanLine(y));
        for (int x = 0; x < sym.width(); ++x)
            if ((row[x] & 0xFFFFFFu) == 0xFFFFFFu)
                row[x] = 0;
    }
    {
        QPainter p(&base);
        p.drawImage(int(base.width() / 2.0 - sym.width() / 2.0 + 1), int(base.height() / 2.0 - sym.height() / 2.0),
                    sym);
    }
    QImage scaled = base.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage mask = drawRoundMask().scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb px = scaled.pixel(x, y);
            scaled.setPixel(x, y, qRgba(qRed(px), qGreen(px), qBlue(px), 255 - qGray(mask.pixel(x, y))));
        }
    return scaled;
}

QImage contactSheet(const std::vector<Artwork>& art, const std::vector<QImage>& faces,
                    const std::vector<QImage>& symbols)
{
    constexpr int kGap = 6;
    constexpr int kWidth = 1000;
    // Large pictures show at half size, to keep the sheet small.
    std::vector<QImage> shown;
    for (const Artwork& a : art)
        shown.push_back(a.image.width() > 120
                            ? a.image.scaled(a.image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            : a.image);
    // Lay the images out in rows.
    int x = kGap, y = kGap, rowHeight = 0;
    std::vector<QPoint> at;
    for (const QImage& image : shown) {
        if (x + image.width() + kGap > kWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        at.emplace_back(x, y);
        x += image.width() + kGap;
        rowHeight = std::max(rowHeight, image.height());
    }
    const int artHeight = y + rowHeight + kGap;
    constexpr int kZoom = 3;
    constexpr int kSmall = 20;
    const int cell = kSmall * kZoom + kGap;
    constexpr int kPerRow = 9;
    const int band = cell + kSmall + kGap;
    const int previewHeight = 3 * 2 * band + kGap;
    QImage sheet(kWidth, artHeight + previewHeight, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter p(&sheet);
    // A checkerboard behind each image shows its transparent parts.
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QRect r(at[i], shown[i].size());
        for (int cy = r.top(); cy <= r.bottom(); cy += 4)
            for (int cx = r.left(); cx <= r.right(); cx += 4)
                p.fillRect(QRect(cx, cy, 4, 4).intersected(r),
                           ((cx - r.left()) / 4 + (cy - r.top()) / 4) % 2 ? QColor(200, 200, 200) : Qt::white);
        p.drawImage(r.topLeft(), shown[i]);
    }
    // Each round symbol in its three states: magnified, then at its own size,
    // on the calendar's light ground.
    p.fillRect(QRect(0, artHeight, kWidth, previewHeight), QColor(214, 222, 232));
    for (int state = 0; state < 3; ++state)
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            const QImage small = composed(faces[0], symbols[i], state, kSmall);
            const int px = kGap + int(i % kPerRow) * (cell + 2);
            const int py = artHeight + kGap + (state * 2 + int(i / kPerRow)) * band;
            p.drawImage(QRect(px, py, kSmall * kZoom, kSmall * kZoom), small);
            p.drawImage(px, py + cell, small);
        }
    return sheet;
}

bool writeText(const QString& path, const std::string& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text.data(), qint64(text.size())) == qint64(text.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: cabart <folder-for-cabartwork.gen.*> <png-folder>\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir pngs(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(source.path()) || !QDir().mkpath(pngs.path())) {
        std::fprintf(stderr, "cabart: cannot create the output folders\n");
        return 1;
    }

    const PreDrawn gear = drawGear(), home = drawHome(), cd = drawCD(), disk = drawDisk(),
                   envelope = drawEnvelope(), printer = drawPrinter();
    const QImage roundFace = drawRoundFace();
    std::vector<Artwork> art = {
        {"RoundFace", roundFace, true},
        {"RoundMask", drawRoundMask(), true},
        {"SymbolPlay", symbolImage(29, 35, drawPlay, true), true},
        {"SymbolStop", symbolImage(25, 26, drawStop, true), true},
        {"SymbolForward", symbolImage(38, 27, drawForward, true), true},
        {"SymbolBack", symbolImage(38, 27, drawBack, false), false},
        {"SymbolPause", symbolImage(19, 29, drawPause, true), true},
        {"SymbolApple", symbolImage(31, 38, drawApple, true), true},
        {"SymbolReload", symbolImage(45, 32, drawReload, false), false},
        {"SymbolPlus", symbolImage(22, 22, drawPlus, true), true},
        {"SymbolMinus", symbolImage(23, 6, drawMinus, true), true},
        {"SymbolNote", symbolImage(33, 40, drawNote, true), true},
        {"SymbolX", symbolImage(29, 36, drawX, true), true},
        {"SymbolHelp", symbolImage(20, 34, drawHelp, true), true},
        {"SymbolPower", symbolImage(32, 36, drawPower, false), false},
        {"SymbolHeadPhones", symbolImage(41, 42, drawHeadPhones, false), false},
        {"SymbolWeb", symbolImage(64, 64, drawWeb, false), false},
        {"SymbolUsers", symbolImage(35, 37, drawUsers, false), false},
        {"SymbolHammer", symbolImage(32, 32, drawHammer, false), false},
        {"SymbolFind", symbolImage(32, 32, drawFind, false), false},
        {"MiniUpFace", drawMiniFace(75, 82), false},
        {"MiniDownFace", drawMiniFace(75, 82), false},
        {"MiniRightFace", drawMiniFace(82, 75), false},
        {"MiniLeftFace", drawMiniFace(82, 75), false},
        {"MiniUpSymbol", symbolImage(54, 48, drawArrowUp, true), true},
        {"MiniDownSymbol", symbolImage(54, 48, drawArrowDown, false), false},
        {"MiniRightSymbol", symbolImage(48, 54, drawArrowRight, false), false},
        {"MiniLeftSymbol", symbolImage(48, 54, drawArrowLeft, false), false},
        {"MiniUpDownMask", drawMiniMask(75, 82), false},
        {"MiniRightLeftMask", drawMiniMask(82, 75), false},
    };
    const std::pair<const char*, const PreDrawn*> predrawn[] = {
        {"Gear", &gear}, {"Home", &home}, {"CD", &cd}, {"Disk", &disk}, {"Envelope", &envelope}, {"Printer", &printer},
    };
    for (const auto& [kind, images] : predrawn) {
        const std::pair<const char*, const QImage*> states[] = {
            {"Normal", &images->normal}, {"Mask", &images->mask}, {"Pressed", &images->pressed},
            {"Disabled", &images->disabled},
        };
        for (const auto& [state, image] : states) {
            art.push_back({std::string(kind) + state, *image, false});
        }
    }

    std::string header = "// SPDX-License-Identifier: GPL-3.0-or-later\n"
                         "// Generated by tools/cabart from its drawing code: do not edit.\n"
                         "#pragma once\n\n#include <string_view>\n\n"
                         "// The glossy button's artwork: each image a whole PNG file in standard\n"
                         "// base64, on one line.\nnamespace controls::cabart {\n\n";
    std::string body = "// SPDX-License-Identifier: GPL-3.0-or-later\n"
                       "// Generated by tools/cabart from its drawing code: do not edit.\n"
                       "#include \"controls/cabartwork.gen.h\"\n\nnamespace controls::cabart {\n";
    bool ok = true;
    std::size_t total = 0;
    for (const Artwork& a : art) {
        QByteArray png;
        if (!encodePNG(a.image, a.alpha, png)) {
            std::fprintf(stderr, "cabart: cannot encode %s\n", a.name.c_str());
            ok = false;
            continue;
        }
        const QByteArray text = png.toBase64();
        // ISO C++ compilers need only take string literals up to 65536 characters.
        if (text.size() >= 65536) {
            std::fprintf(stderr, "cabart: %s is too large (%lld characters)\n", a.name.c_str(),
                         qlonglong(text.size()));
            ok = false;
        }
        total += std::size_t(text.size());
        header += "extern const std::string_view k" + a.name + ";\n";
        body += "\nconst std::string_view k" + a.name + " =";
        for (qsizetype i = 0; i < text.size(); i += 96)
            body += "\n    \"" + text.mid(i, 96).toStdString() + "\"";
        body += ";\n";
        QFile file(pngs.filePath(QString::fromStdString(a.name) + QStringLiteral(".png")));
        ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(png) == png.size() && ok;
    }
    header += "\n} // namespace controls::cabart\n";
    body += "\n} // namespace controls::cabart\n";
    ok = writeText(source.filePath(QStringLiteral("cabartwork.gen.h")), header) && ok;
    ok = writeText(source.filePath(QStringLiteral("cabartwork.gen.cpp")), body) && ok;

    const std::vector<QImage> faces = {roundFace};
    std::vector<QImage> symbols;
    for (std::size_t i = 2; i < 20; ++i)
        symbols.push_back(art[i].image);
    ok = contactSheet(art, faces, symbols).save(pngs.filePath(QStringLiteral("contact-sheet.png")), "PNG") && ok;
    std::printf("cabart: %zu images, %zu base64 characters\n", art.size(), total);
    return ok ? 0 : 1;
}
