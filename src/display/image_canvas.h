#pragma once

#include "display/canvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>

#include <memory>

namespace tavrel {

// A canvas that keeps its drawing in a QImage, which the window puts on the
// screen. Geometry is in logical pixels; the image holds device pixels.
class ImageCanvas final : public Canvas {
public:
    ImageCanvas(QSize logical_size, qreal device_pixel_ratio, const QFont& font, QColor background,
                QColor foreground);
    ~ImageCanvas() override;
    ImageCanvas(const ImageCanvas&) = delete;
    ImageCanvas& operator=(const ImageCanvas&) = delete;

    void DrawWidth(int width) override;
    void FillStyle(int style) override;
    void FillColor(Rgb fill) override;
    void Circle(float x, float y, float radius, Rgb outline) override;
    void Line(float x1, float y1, float x2, float y2, Rgb c) override;
    void PSet(float x, float y) override;
    void Print(std::initializer_list<PrintItem> items) override;

    // The drawing so far. Finishes any painting in progress first.
    const QImage& image();
    [[nodiscard]] QPointF text_cursor() const { return cursor_; }

private:
    QPainter& painter();
    void finish_painting();
    void begin_circle(const QRectF& bounds);
    void end_circle_pass();

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    QColor background_;
    QColor foreground_;
    int ascent_ = 0;
    int line_spacing_ = 0;

    int draw_width_ = 1;
    bool filled_ = false;
    QColor fill_colour_{Qt::black};
    QPointF cursor_{0.0, 0.0};

    // Circles drawn one after another form a pass over the board; the next
    // pass starts from the background under this one (see begin_circle).
    bool in_circle_pass_ = false;
    QRect pass_bounds_;
    QRect previous_pass_bounds_;
};

} // namespace tavrel
