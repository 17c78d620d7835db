// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/graphics.h"

#include "framework/gui/gui_p.h"
#include "framework/gui/picture.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <optional>

namespace fw {

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
