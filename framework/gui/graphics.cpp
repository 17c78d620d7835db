// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/graphics.h"

#include "framework/gui/gui_p.h"
#include "framework/gui/picture.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <deque>
#include <optional>

namespace fw {

namespace {

struct CachedFont {
    std::string name;
    int size;
    bool bold, italic, underline;
    QFont font;
    QFontMetrics metrics;
};

// Fonts are built once per setting and kept: a paint draws many strings in
// few fonts. Never destroyed, since Qt's fonts must not outlive the
// application object.
const CachedFont& FontFor(const std::string& name, int size, bool bold, bool italic, bool underline)
{
    static auto& cache = *new std::deque<CachedFont>;
    for (const CachedFont& f : cache)
        if (f.size == size && f.bold == bold && f.italic == italic && f.underline == underline && f.name == name)
            return f;
    QFont font = detail::MakeFont(name, size, bold, italic, underline);
    const QFontMetrics metrics(font);
    return cache.emplace_back(CachedFont{name, size, bold, italic, underline, std::move(font), metrics});
}

} // namespace

// One drawing operation: the caller's painter (a paint, or a canvas's direct
// drawing), or a painter on the picture opened for the call. Every operation
// sets the painter state it needs, so no state is saved around it.
class Graphics::Session {
public:
    explicit Session(Graphics& g)
    {
        if (g.painter_) {
            painter_ = g.painter_;
        } else if (g.target_ && !g.target_->Image().isNull()) {
            own_.emplace(&g.target_->Image());
            painter_ = &*own_;
        }
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    explicit operator bool() const { return painter_ != nullptr; }
    QPainter* operator->() const { return painter_; }
    bool OnPicture() const { return own_.has_value(); }

private:
    std::optional<QPainter> own_;
    QPainter* painter_ = nullptr;
};

Graphics::Graphics(Picture& target)
    : target_(&target), width_(target.Width()), height_(target.Height())
{
}

Graphics::Graphics(QPainter* painter, int width, int height)
    : painter_(painter), width_(width), height_(height)
{
}

Graphics::~Graphics() = default;

void Graphics::FillRect(int x, int y, int w, int h)
{
    Session s(*this);
    if (!s || w <= 0 || h <= 0)
        return;
    s->fillRect(QRect(x, y, w, h), detail::ToQColor(foreColor_));
}

void Graphics::DrawRect(int x, int y, int w, int h)
{
    Session s(*this);
    if (!s || w <= 0 || h <= 0)
        return;
    // The frame lies inside the rectangle, PenWidth wide at the sides and
    // PenHeight high at top and bottom.
    const QColor c = detail::ToQColor(foreColor_);
    const int pw = std::min(penWidth_, w);
    const int ph = std::min(penHeight_, h);
    s->fillRect(QRect(x, y, w, ph), c);
    s->fillRect(QRect(x, y + h - ph, w, ph), c);
    s->fillRect(QRect(x, y, pw, h), c);
    s->fillRect(QRect(x + w - pw, y, pw, h), c);
}

void Graphics::FillOval(int x, int y, int w, int h)
{
    Session s(*this);
    if (!s || w <= 0 || h <= 0)
        return;
    s->setRenderHint(QPainter::Antialiasing, true);
    s->setPen(Qt::NoPen);
    s->setBrush(detail::ToQColor(foreColor_));
    s->drawEllipse(QRectF(x, y, w, h));
}

void Graphics::DrawOval(int x, int y, int w, int h)
{
    Session s(*this);
    if (!s || w <= 0 || h <= 0)
        return;
    const double pen = std::max(penWidth_, penHeight_);
    s->setRenderHint(QPainter::Antialiasing, true);
    s->setPen(QPen(detail::ToQColor(foreColor_), pen));
    s->setBrush(Qt::NoBrush);
    s->drawEllipse(QRectF(x + pen / 2, y + pen / 2, w - pen, h - pen));
}

void Graphics::FillRoundRect(int x, int y, int w, int h, int arcWidth, int arcHeight)
{
    Session s(*this);
    if (!s || w <= 0 || h <= 0)
        return;
    s->setRenderHint(QPainter::Antialiasing, true);
    s->setPen(Qt::NoPen);
    s->setBrush(detail::ToQColor(foreColor_));
    // The arcs are the corner ellipses' diameters.
    s->drawRoundedRect(QRectF(x, y, w, h), arcWidth / 2.0, arcHeight / 2.0);
}

void Graphics::DrawRoundRect(int x, int y, int w, int h, int arcWidth, int arcHeight)
{
    Session s(*this);
    if (!s || w <= 0 || h <= 0)
        return;
    const double pen = std::max(penWidth_, penHeight_);
    s->setRenderHint(QPainter::Antialiasing, true);
    s->setPen(QPen(detail::ToQColor(foreColor_), pen));
    s->setBrush(Qt::NoBrush);
    s->drawRoundedRect(QRectF(x + pen / 2, y + pen / 2, w - pen, h - pen),
                       arcWidth / 2.0, arcHeight / 2.0);
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2)
{
    Session s(*this);
    if (!s)
        return;
    QPen pen(detail::ToQColor(foreColor_), std::max(penWidth_, penHeight_));
    pen.setCapStyle(Qt::SquareCap);
    s->setRenderHint(QPainter::Antialiasing, false);
    s->setPen(pen);
    s->drawLine(x1, y1, x2, y2);
}

void Graphics::ClearRect(int x, int y, int w, int h)
{
    Session s(*this);
    if (!s || w <= 0 || h <= 0)
        return;
    if (s.OnPicture())
        s->fillRect(QRect(x, y, w, h), Qt::white);
    else
        s->eraseRect(QRect(x, y, w, h));
}

void Graphics::DrawString(std::string_view text, int x, int y)
{
    Session s(*this);
    if (!s)
        return;
    s->setFont(FontFor(textFont_, textSize_, bold_, italic_, underline_).font);
    s->setPen(detail::ToQColor(foreColor_));
    s->drawText(QPointF(x, y), detail::ToQString(text));
}

int Graphics::StringWidth(std::string_view text) const
{
    return FontFor(textFont_, textSize_, bold_, italic_, underline_).metrics.horizontalAdvance(detail::ToQString(text));
}

int Graphics::TextHeight() const
{
    return FontFor(textFont_, textSize_, bold_, italic_, underline_).metrics.height();
}

int Graphics::TextAscent() const
{
    return FontFor(textFont_, textSize_, bold_, italic_, underline_).metrics.ascent();
}

void Graphics::DrawPicture(const Picture* picture, int x, int y)
{
    if (picture)
        DrawPicture(*picture, x, y);
}

void Graphics::DrawPicture(const Picture& picture, int x, int y)
{
    DrawPicture(picture, x, y, picture.Width(), picture.Height(), 0, 0, picture.Width(),
                picture.Height());
}

void Graphics::DrawPicture(const Picture* picture, int x, int y, int w, int h, int srcX, int srcY,
                           int srcW, int srcH)
{
    if (picture)
        DrawPicture(*picture, x, y, w, h, srcX, srcY, srcW, srcH);
}

void Graphics::DrawPicture(const Picture& picture, int x, int y, int w, int h, int srcX, int srcY,
                           int srcW, int srcH)
{
    if (w <= 0 || h <= 0 || srcW <= 0 || srcH <= 0)
        return;
    const QImage& image = picture.Composited();
    if (image.isNull())
        return;
    Session s(*this);
    if (!s)
        return;
    const QRect target(x, y, w, h);
    const QRect source = QRect(srcX, srcY, srcW, srcH).intersected(image.rect());
    if (source.isEmpty())
        return;
    if (target.size() == source.size()) {
        s->drawImage(target.topLeft(), image, source);
        return;
    }
    // Scale a copy of the source part alone, so that smoothing never pulls in
    // pixels from outside it.
    s->setRenderHint(QPainter::SmoothPixmapTransform, true);
    s->drawImage(target, source == image.rect() ? image : image.copy(source));
    s->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

} // namespace fw
