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
      background_(background),
      foreground_(foreground)
{
    // Fixed words are printed over themselves at every drawing; unsmoothed
    // glyphs look the same however often that happens.
    font_.setStyleStrategy(QFont::NoAntialias);
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

// Smoothed edges blend with what lies under them, so drawing the same circles
// again would darken their rims a little more with every generation. Each
// pass therefore starts from the background the first drawing saw: only
// circles ever touch that rectangle, so nothing else is lost.
void ImageCanvas::begin_circle(const QRectF& bounds)
{
    if (!in_circle_pass_) {
        in_circle_pass_ = true;
        if (!previous_pass_bounds_.isEmpty()) {
            painter().fillRect(previous_pass_bounds_, background_);
        }
        pass_bounds_ = QRect();
    }
    pass_bounds_ |= bounds.toAlignedRect();
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
    fill_colour_ = to_qcolor(fill);
}

void ImageCanvas::Circle(float x, float y, float radius, Rgb outline)
{
    const qreal reach = radius + draw_width_ / 2.0 + 1.0;
    begin_circle(QRectF(x - reach, y - reach, 2 * reach, 2 * reach));
    QPainter& p = painter();
    p.setPen(QPen(to_qcolor(outline), draw_width_));
    p.setBrush(filled_ ? QBrush(fill_colour_) : QBrush(Qt::NoBrush));
    p.drawEllipse(QPointF(x, y), radius, radius);
}

void ImageCanvas::Line(float x1, float y1, float x2, float y2, Rgb c)
{
    // A filled box whose outline, centred on the corners, widens it by half
    // the pen width on every side.
    end_circle_pass();
    const qreal half = draw_width_ / 2.0;
    const QRectF box(QPointF(std::fmin(x1, x2) - half, std::fmin(y1, y2) - half),
                     QPointF(std::fmax(x1, x2) + half, std::fmax(y1, y2) + half));
    painter().fillRect(box, to_qcolor(c));
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
