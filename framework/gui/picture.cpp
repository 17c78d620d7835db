// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/picture.h"

#include "framework/gui/graphics.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <limits>
#include <utility>

namespace fw {

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32;

QImage whiteImage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, kFormat);
    if (!image.isNull())
        image.fill(0xFFFFFFFFu);
    return image;
}

PicturePtr fromImage(QImage image)
{
    if (image.isNull())
        return nullptr;
    auto picture = std::make_shared<Picture>(0, 0);
    picture->Image() = image.convertToFormat(kFormat);
    return picture;
}

PicturePtr fromBytes(const QByteArray& bytes)
{
    return fromImage(QImage::fromData(bytes, "PNG"));
}

PicturePtr fromQFile(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return fromBytes(file.readAll());
}

} // namespace

struct Picture::Impl {
    // Pixels of a resource are read on their first use, so that building a
    // hidden window does not decode its pictures before anything shows.
    mutable QImage image;
    mutable QString pending;
    QSize pendingSize;
    const QImage& Loaded() const
    {
        if (!pending.isEmpty()) {
            const QImage read(pending, "PNG");
            image = read.isNull() ? whiteImage(pendingSize.width(), pendingSize.height())
                                  : read.convertToFormat(kFormat);
            pending.clear();
        }
        return image;
    }
    std::unique_ptr<Picture> mask;
    std::unique_ptr<fw::Graphics> graphics;
    // The picture as it draws, premultiplied, built again on the first draw
    // after the pixels, the mask's pixels or Transparent changed.
    mutable QImage shown;
    mutable bool stale = true;
    // The picture whose mask this is.
    Picture* owner = nullptr;
};

Color RGBSurface::Pixel(int x, int y) const
{
    const QImage& image = std::as_const(*picture_).Image();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return {};
    const QRgb px = image.pixel(x, y);
    return RGB(qRed(px), qGreen(px), qBlue(px));
}

void RGBSurface::SetPixel(int x, int y, Color color)
{
    QImage& image = picture_->Image();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    const QRgb old = image.pixel(x, y);
    image.setPixel(x, y, qRgba(color.Red, color.Green, color.Blue, qAlpha(old)));
}

Picture::Picture(int width, int height) : d_(std::make_unique<Impl>())
{
    d_->image = whiteImage(width, height);
}

Picture::~Picture() = default;

PicturePtr Picture::New(int width, int height, int /*depth*/)
{
    return std::make_shared<Picture>(width, height);
}

PicturePtr Picture::FromPNG(std::span<const std::uint8_t> bytes)
{
    // QByteArray sizes are qsizetype; a span larger than that cannot be a picture.
    if (bytes.empty() || bytes.size() > std::size_t(std::numeric_limits<qsizetype>::max()))
        return nullptr;
    return fromBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                             qsizetype(bytes.size())));
}

PicturePtr Picture::FromResource(const std::string& resourcePath)
{
    QString name = QString::fromStdString(resourcePath);
    if (!name.startsWith(u':'))
        name.prepend(u':');
    // The header is read now; the pixels when first used.
    QImageReader reader(name, "PNG");
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        return nullptr;
    auto picture = std::make_shared<Picture>(0, 0);
    picture->d_->pending = name;
    picture->d_->pendingSize = size;
    return picture;
}

PicturePtr GetPicture(int id)
{
    return Picture::FromResource(QStringLiteral(":/pictures/%1.png").arg(id).toStdString());
}

int Picture::Width() const
{
    return d_->pending.isEmpty() ? d_->image.width() : d_->pendingSize.width();
}

int Picture::Height() const
{
    return d_->pending.isEmpty() ? d_->image.height() : d_->pendingSize.height();
}

Graphics& Picture::Graphics()
{
    if (!d_->graphics)
        d_->graphics = std::make_unique<fw::Graphics>(*this);
    return *d_->graphics;
}

Picture* Picture::Mask()
{
    if (!d_->mask) {
        d_->mask = std::make_unique<Picture>(0, 0);
        d_->mask->d_->owner = this;
        d_->stale = true;
        if (Width() > 0 && Height() > 0) {
            d_->mask->d_->image = QImage(Width(), Height(), kFormat);
            d_->mask->d_->image.fill(0xFF000000u);
        }
    }
    return d_->mask.get();
}

bool Picture::HasMask() const
{
    return d_->mask != nullptr;
}

void Picture::SetTransparent(int value)
{
    if (value != transparent_)
        d_->stale = true;
    transparent_ = value;
}

QImage& Picture::Image()
{
    // Whoever holds the pixels for writing may change them.
    d_->stale = true;
    if (d_->owner)
        d_->owner->d_->stale = true;
    d_->Loaded();
    return d_->image;
}

const QImage& Picture::Image() const
{
    return d_->Loaded();
}

const QImage& Picture::Composited() const
{
    if (d_->stale) {
        d_->shown = Compose();
        d_->stale = false;
    }
    return d_->shown;
}

QImage Picture::Compose() const
{
    constexpr QImage::Format kShown = QImage::Format_ARGB32_Premultiplied;
    d_->Loaded();
    const bool masked = d_->mask && !d_->mask->d_->image.isNull();
    const bool whiteClear = transparent_ == 1;
    if (!masked && !whiteClear)
        return d_->image.convertToFormat(kShown);

    QImage out = d_->image.copy();
    const QImage* mask = masked ? &d_->mask->d_->image : nullptr;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* maskRow = mask && y < mask->height() ? reinterpret_cast<const QRgb*>(mask->constScanLine(y))
                                                         : nullptr;
        const int maskWidth = mask ? mask->width() : 0;
        for (int x = 0; x < out.width(); ++x) {
            const QRgb px = row[x];
            int alpha = qAlpha(px);
            if (whiteClear && (px & 0x00FFFFFFu) == 0x00FFFFFFu)
                alpha = 0;
            if (maskRow && x < maskWidth) {
                // The mask's grey is its opacity: black opaque, white clear.
                const int opacity = 255 - qGray(maskRow[x]);
                alpha = (alpha * opacity + 127) / 255;
            }
            row[x] = qRgba(qRed(px), qGreen(px), qBlue(px), alpha);
        }
    }
    return out.convertToFormat(kShown);
}

} // namespace fw
