#include "display/image_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QRectF>
#include <QString>

#include <cmath>

namespace tavrel {
namespace {

QColor to_qcolor(Rgb c)
{
    return {c.red, c.green, c.blue};
}

} // namespace

ImageCanvas::ImageCanvas(QSize logical_size, qreal device_pixel_ratio, const QFont& font, const QPalette& palette)
    : logical_size_(logical_size),
      image_(logical_size * device_pixel_ratio, QImage::Format_RGB32),
      font_(font),
      background_(palette.color(QPalette::Window)),
      foreground_(palette.color(QPalette::WindowText))
{
    // Fixed words are printed over themselves at every drawing; unsmoothed
    // glyphs look the same however often that happens.
    font_.setStyleStrategy(QFont::NoAntialias);
    image_.setDevicePixelRatio(device_pixel_ratio);
    image_.fill(background_);
    const QFontMetrics metrics(font_, &image_);
    ascent_ = metrics.ascent();
    line_spacing_ = metrics.lineSpacing();
}

QPainter& ImageCanvas::painter()
{
    if (!painter_) {
        painter_.emplace(&image_);
        painter_->setRenderHint(QPainter::Antialiasing);
        painter_->setFont(font_);
    }
    return *painter_;
}

const QImage& ImageCanvas::image()
{
    end_circle_pass();
    painter_.reset();
    return image_;
}

// The next circle pass clears what the last one covered, so from the next
// drawing on the board is as if drawn at this ratio from the start.
bool ImageCanvas::set_device_pixel_ratio(qreal ratio)
{
    if (ratio == image_.devicePixelRatio()) {
        return false;
    }
    end_circle_pass();
    painter_.reset();
    image_ = image_.scaled(logical_size_ * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                 .convertToFormat(QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    stamps_.clear(); // painted for the old ratio
    return true;
}

// The circle painted once on a transparent square of `side` device pixels;
// drawing that square is many times quicker than painting the circle.
const QImage& ImageCanvas::stamp(const StampKey& key, int side)
{
    auto found = stamps_.find(key);
    if (found == stamps_.end()) {
        const auto& [fill, outline, filled, radius, pen_width, dx, dy] = key;
        const qreal dpr = image_.devicePixelRatio();
        QImage circle(side, side, QImage::Format_ARGB32_Premultiplied);
        circle.fill(Qt::transparent);
        QPainter p(&circle);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(dpr, dpr);
        p.setPen(QPen(QColor(outline), pen_width));
        p.setBrush(filled ? QBrush(QColor(fill)) : QBrush(Qt::NoBrush));
        p.drawEllipse(QPointF(dx, dy) / dpr, radius, radius);
        p.end();
        circle.setDevicePixelRatio(dpr);
        found = stamps_.emplace(key, circle).first;
    }
    return found->second;
}

// Smoothed edges blend with what lies under them, so drawing the same circles
// again would darken their rims with every generation. Each pass therefore
// starts from the background under the last one: only circles draw there.
void ImageCanvas::Circle(float x, float y, float radius, Rgb outline)
{
    const qreal dpr = image_.devicePixelRatio();
    // Room for the outline and one pixel of smoothing, in device pixels.
    const int reach = static_cast<int>(std::ceil((radius + draw_width_ / 2.0 + 1.0) * dpr));
    const double cx = x * dpr;
    const double cy = y * dpr;
    const double left = std::floor(cx) - reach;
    const double top = std::floor(cy) - reach;
    const int side = 2 * reach + 2;
    const StampKey key{qRgb(fill_colour_.red, fill_colour_.green, fill_colour_.blue),
                       qRgb(outline.red, outline.green, outline.blue),
                       filled_, radius, draw_width_, cx - left, cy - top};
    const QImage& circle = stamp(key, side);
    if (!in_circle_pass_) {
        in_circle_pass_ = true;
        if (!previous_pass_bounds_.isEmpty()) {
            painter().fillRect(previous_pass_bounds_, background_);
        }
        pass_bounds_ = QRect();
    }
    const QPointF at(left / dpr, top / dpr);
    painter().drawImage(at, circle);
    pass_bounds_ |= QRectF(at, circle.deviceIndependentSize()).toAlignedRect();
}

void ImageCanvas::end_circle_pass()
{
    if (in_circle_pass_) {
        in_circle_pass_ = false;
        previous_pass_bounds_ = pass_bounds_;
    }
}

void ImageCanvas::DrawWidth(int width)
{
    end_circle_pass();
    draw_width_ = width;
}

void ImageCanvas::FillStyle(int style)
{
    filled_ = (style == 0);
}

void ImageCanvas::FillColor(Rgb fill)
{
    fill_colour_ = fill;
}

void ImageCanvas::Line(float x1, float y1, float x2, float y2, Rgb c)
{
    // A filled box whose outline, centred on the corners, widens it by half
    // the pen width on every side.
    end_circle_pass();
    const qreal half = draw_width_ / 2.0;
    painter().fillRect(QRectF(QPointF(std::fmin(x1, x2) - half, std::fmin(y1, y2) - half),
                              QPointF(std::fmax(x1, x2) + half, std::fmax(y1, y2) + half)),
                       to_qcolor(c));
}

void ImageCanvas::PSet(float x, float y)
{
    end_circle_pass();
    const qreal half = draw_width_ / 2.0;
    painter().fillRect(QRectF(x - half, y - half, draw_width_, draw_width_), foreground_);
    cursor_ = QPointF(x, y);
}

void ImageCanvas::Print(std::initializer_list<PrintItem> items)
{
    end_circle_pass();
    const std::string text = format_print_items(items);
    if (!text.empty()) {
        QPainter& p = painter();
        p.setPen(foreground_);
        p.drawText(QPointF(cursor_.x(), cursor_.y() + ascent_), QString::fromStdString(text));
    }
    cursor_ = QPointF(0.0, cursor_.y() + line_spacing_);
}

} // namespace tavrel
