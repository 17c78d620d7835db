// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/picture.h"
#include "framework/gui/picture_seam.h"

#include "framework/core/folderitem.h"
#include "framework/gui/graphics.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QResource>
#include <QString>
#include <QTimer>

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fw {

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32;
constexpr QImage::Format kShown = QImage::Format_ARGB32_Premultiplied;

QImage whiteImage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, kFormat);
    if (!image.isNull())
        image.fill(0xFFFFFFFFu);
    return image;
}

// The size in a PNG's header; empty when the bytes do not start as a PNG.
QSize pngSize(const QByteArray& bytes)
{
    static constexpr char kStart[] = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR";
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (bytes.size() < 24 || std::memcmp(b, kStart, 16) != 0)
        return {};
    const auto be32 = [](const unsigned char* p) {
        return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
    };
    const std::uint32_t width = be32(b + 16), height = be32(b + 20);
    if (width > std::uint32_t(std::numeric_limits<int>::max()) || height > std::uint32_t(std::numeric_limits<int>::max()))
        return {};
    return {int(width), int(height)};
}

// Decoding with libpng itself: Qt's image reader scans and loads every image
// format plugin on its first use, for pictures that are all PNG.
struct PngInput {
    const unsigned char* data;
    std::size_t size;
    std::size_t at = 0;
};

void pngRead(png_structp png, png_bytep out, png_size_t count)
{
    auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
    if (count > in->size - in->at)
        png_error(png, "truncated");
    std::memcpy(out, in->data + in->at, count);
    in->at += count;
}

[[noreturn]] void pngFail(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void pngWarn(png_structp, png_const_charp) {}

struct PngHeader {
    std::uint32_t width = 0, height = 0;
    bool alpha = false;
    bool deep = false;
};

// libpng reports errors by longjmp to here: these two functions hold nothing
// with a destructor.
bool pngReadHeader(png_structp png, png_infop info, PngHeader* header)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    const int type = png_get_color_type(png, info);
    header->width = png_get_image_width(png, info);
    header->height = png_get_image_height(png, info);
    header->deep = png_get_bit_depth(png, info) > 8;
    if (header->deep)
        return true;
    header->alpha = (type & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    // Every kind to 8-bit RGB with alpha in the byte order of a 32-bit ARGB
    // pixel, without gamma correction, as Qt's reader gives them.
    png_set_expand(png);
    png_set_gray_to_rgb(png);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    if (!header->alpha)
        png_set_filler(png, 0xff, PNG_FILLER_AFTER);
#else
    png_set_swap_alpha(png);
    if (!header->alpha)
        png_set_filler(png, 0xff, PNG_FILLER_BEFORE);
#endif
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == png_size_t(header->width) * 4;
}

bool pngReadPixels(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    return true;
}

// The pixels of PNG bytes: Format_RGB32 when the picture has no alpha, else
// Format_ARGB32 (16-bit pictures come as Qt's reader gives them); null when
// the bytes hold no readable PNG.
QImage decodePng(const QByteArray& bytes)
{
    if (pngSize(bytes).isEmpty())
        return {};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngFail, pngWarn);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    struct Release {
        png_structp& png;
        png_infop& info;
        ~Release() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
    } release{png, info};
    if (!info)
        return {};
    PngInput input{reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size())};
    png_set_read_fn(png, &input, pngRead);
    PngHeader header;
    if (!pngReadHeader(png, info, &header))
        return {};
    if (header.deep)
        return QImage::fromData(bytes, "PNG");
    QImage image(int(header.width), int(header.height), header.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    std::vector<png_bytep> rows(header.height);
    for (std::uint32_t y = 0; y < header.height; ++y)
        rows[y] = image.scanLine(int(y));
    if (!pngReadPixels(png, rows.data()))
        return {};
    return image;
}

// The stored form of decoded pixels: straight ARGB32. Opaque pixels are
// already that, with alpha 255.
QImage straight(QImage decoded)
{
    if (decoded.format() == QImage::Format_RGB32) {
        decoded.reinterpretAsFormat(kFormat);
        return decoded;
    }
    return std::move(decoded).convertToFormat(kFormat);
}

PicturePtr fromBytes(const QByteArray& bytes)
{
    QImage image = decodePng(bytes);
    if (image.isNull())
        return nullptr;
    auto picture = std::make_shared<Picture>(0, 0);
    picture->Image() = straight(std::move(image));
    return picture;
}

// Resources not drawn yet are decoded in the idle time after the first
// window has painted, one per turn of the event loop, so that neither the
// first window nor the next one shown waits for them.
class IdlePreparation : public QObject {
public:
    static IdlePreparation& Get()
    {
        // Never destroyed: nothing to free at exit.
        static auto* idle = new IdlePreparation;
        return *idle;
    }

    void Add(const PicturePtr& picture)
    {
        m_waiting.push_back(picture);
        if (m_painted)
            Schedule();
        else if (!m_watching && QCoreApplication::instance()) {
            m_watching = true;
            QCoreApplication::instance()->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Removed from the event loop, not from inside this dispatch.
            QTimer::singleShot(0, this, [this] {
                QCoreApplication::instance()->removeEventFilter(this);
                Schedule();
            });
        }
        return false;
    }

private:
    void Schedule()
    {
        if (m_scheduled || m_waiting.empty())
            return;
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_scheduled = false;
            if (m_waiting.empty())
                return;
            const PicturePtr picture = m_waiting.front().lock();
            m_waiting.erase(m_waiting.begin());
            if (picture)
                picture->CompositedArea();
            Schedule();
        });
    }

    std::vector<std::weak_ptr<Picture>> m_waiting;
    bool m_watching = false;
    bool m_painted = false;
    bool m_scheduled = false;
};

} // namespace

struct Picture::Impl {
    // A resource's PNG bytes until its pixels are first used, so that
    // building a hidden window decodes none of its pictures. Drawing alone
    // decodes them straight into the form they draw in, and only asking for
    // the pixels themselves keeps a second, straight copy.
    mutable QByteArray pending;
    QSize pendingSize;
    mutable QImage image;
    const QImage& Loaded() const
    {
        if (!pending.isEmpty()) {
            QImage read = decodePng(pending);
            image = read.isNull() ? whiteImage(pendingSize.width(), pendingSize.height()) : straight(std::move(read));
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
    // What of the picture is ever drawn, when it is not the whole of it.
    mutable QSize drawnArea;
    mutable bool shownCropped = false;
    mutable bool drawnWhole = false;
    // The picture whose mask this is.
    Picture* owner = nullptr;
};

Color RGBSurface::Pixel(int x, int y) const
{
    const QImage& image = std::as_const(*picture_).Image();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return {};
    // Straight from the row: recolouring goes through here pixel by pixel.
    const QRgb px = image.format() == kFormat ? reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]
                                              : image.pixel(x, y);
    return RGB(qRed(px), qGreen(px), qBlue(px));
}

void RGBSurface::SetPixel(int x, int y, Color color)
{
    QImage& image = picture_->Image();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    if (image.format() == kFormat) {
        QRgb& px = reinterpret_cast<QRgb*>(image.scanLine(y))[x];
        px = qRgba(color.Red, color.Green, color.Blue, qAlpha(px));
        return;
    }
    const QRgb old = image.pixel(x, y);
    image.setPixel(x, y, qRgba(color.Red, color.Green, color.Blue, qAlpha(old)));
}

void RGBSurface::MapChannels(const ChannelMap& red, const ChannelMap& green, const ChannelMap& blue)
{
    QImage& image = picture_->Image();
    if (image.format() != kFormat)
        image = std::move(image).convertToFormat(kFormat);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = row[x];
            row[x] = qRgba(red[qRed(px)], green[qGreen(px)], blue[qBlue(px)], qAlpha(px));
        }
    }
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
    // The header is read now; the pixels when first used, from the bytes
    // where the program holds them.
    const QResource resource(name);
    if (!resource.isValid())
        return nullptr;
    QByteArray bytes = resource.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size()))
        : resource.uncompressedData();
    const QSize size = pngSize(bytes);
    if (size.isEmpty())
        return nullptr;
    auto picture = std::make_shared<Picture>(0, 0);
    picture->d_->pending = std::move(bytes);
    picture->d_->pendingSize = size;
    IdlePreparation::Get().Add(picture);
    return picture;
}

PicturePtr OpenAsPicture(const FolderItem& file)
{
    const std::optional<std::string> bytes = file.ReadAll();
    if (!bytes)
        return nullptr;
    return Picture::FromPNG(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

namespace {

GetPictureHook s_getPictureHook;

} // namespace

GetPictureHook SetGetPictureHook(GetPictureHook hook)
{
    return std::exchange(s_getPictureHook, std::move(hook));
}

PicturePtr GetPicture(int id)
{
    if (s_getPictureHook)
        s_getPictureHook(id);
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
    if (!d_->drawnWhole) {
        d_->drawnWhole = true;
        d_->stale = d_->stale || d_->shownCropped;
        d_->drawnArea = QSize();
    }
    return CompositedArea();
}

const QImage& Picture::CompositedArea() const
{
    if (d_->stale) {
        d_->shown = Compose();
        d_->shownCropped = false;
        const QSize area = d_->drawnArea;
        if (area.isValid() && (area.width() < d_->shown.width() || area.height() < d_->shown.height())) {
            d_->shown = d_->shown.copy(0, 0, std::min(area.width(), d_->shown.width()),
                                       std::min(area.height(), d_->shown.height()));
            d_->shownCropped = true;
        }
        d_->stale = false;
    }
    return d_->shown;
}

void Picture::AddDrawnArea(int width, int height)
{
    // Several windows may show the same picture: what is kept covers them all.
    if (d_->drawnWhole)
        return;
    const QSize area = d_->drawnArea.expandedTo(QSize(std::max(width, 0), std::max(height, 0)));
    if (area == d_->drawnArea)
        return;
    // More than was kept needs the picture composed again.
    if (d_->shownCropped && (area.width() > d_->shown.width() || area.height() > d_->shown.height()))
        d_->stale = true;
    d_->drawnArea = area;
}

QImage Picture::Compose() const
{
    if (!d_->pending.isEmpty() && !d_->mask && transparent_ != 1) {
        // Opaque pixels draw as they are decoded; others are premultiplied
        // in place.
        QImage read = decodePng(d_->pending);
        if (read.format() == QImage::Format_RGB32)
            return read;
        if (!read.isNull())
            return std::move(read).convertToFormat(kShown);
    }
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
