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

ImageCanvas::ImageCanvas(QSize logical_size, qreal device_pixel_ratio, const QFont& font,
                         QColor background, QColor foreground)
    : image_(logical_size * device_pixel_ratio, QImage::Format_RGB32),
      font_(font),
      foreground_(foreground)
{
    image_.setDevicePixelRatio(device_pixel_ratio);
    image_.fill(background);
    const QFontMetrics metrics(font_, &image_);
    ascent_ = metrics.ascent();
    line_spacing_ = metrics.lineSpacing();
}

ImageCanvas::~ImageCanvas() = default;

QPainter& ImageCanvas::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing);
        painter_->setFont(font_);
    }
    return *painter_;
}

void ImageCanvas::finish_painting()
{
    painter_.reset();
}

const QImage& ImageCanvas::image()
{
    finish_painting();
    return image_;
}

void ImageCanvas::DrawWidth(int width)
{
    draw_width_ = width;
}

void ImageCanvas::FillStyle(int style)
{
    filled_ = (style == 0);
}

void ImageCanvas::FillColor(Rgb fill)
{
    fill_colour_ = to_qcolor(fill);
}

void ImageCanvas::Circle(float x, float y, float radius, Rgb outline)
{
    QPainter& p = painter();
    p.setPen(QPen(to_qcolor(outline), draw_width_));
    p.setBrush(filled_ ? QBrush(fill_colour_) : QBrush(Qt::NoBrush));
    p.drawEllipse(QPointF(x, y), radius, radius);
}

void ImageCanvas::Line(float x1, float y1, float x2, float y2, Rgb c)
{
    // A filled box whose outline, centred on the corners, widens it by half
    // the pen width on every side.
    const qreal half = draw_width_ / 2.0;
    const QRectF box(QPointF(std::fmin(x1, x2) - half, std::fmin(y1, y2) - half),
                     QPointF(std::fmax(x1, x2) + half, std::fmax(y1, y2) + half));
    painter().fillRect(box, to_qcolor(c));
}

void ImageCanvas::PSet(float x, float y)
{
    const qreal half = draw_width_ / 2.0;
    painter().fillRect(QRectF(x - half, y - half, draw_width_, draw_width_), foreground_);
    cursor_ = QPointF(x, y);
}

void ImageCanvas::Print(std::initializer_list<PrintItem> items)
{
    const std::string text = format_print_items(items);
    if (!text.empty()) {
        QPainter& p = painter();
        p.setPen(foreground_);
        p.drawText(QPointF(cursor_.x(), cursor_.y() + ascent_), QString::fromStdString(text));
    }
    cursor_ = QPointF(0.0, cursor_.y() + line_spacing_);
}

} // namespace tavrel
