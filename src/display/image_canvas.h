#pragma once

#include "display/canvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <map>
#include <optional>
#include <tuple>

namespace tavrel {

// A canvas that keeps its drawing in a QImage, which the window puts on the
// screen. Geometry is in logical pixels; the image holds device pixels.
class ImageCanvas final : public Canvas {
public:
    // Draws on the palette's window colour, points and text in its text colour.
    ImageCanvas(QSize logical_size, qreal device_pixel_ratio, const QFont& font, const QPalette& palette);

    void DrawWidth(int width) override;
    void FillStyle(int style) override;
    void FillColor(Rgb fill) override;
    void Circle(float x, float y, float radius, Rgb outline) override;
    void Line(float x1, float y1, float x2, float y2, Rgb c) override;
    void PSet(float x, float y) override;
    void Print(std::initializer_list<PrintItem> items) override;

    // The drawing so far. Ends the painting in progress.
    const QImage& image();
    // Goes on at another device pixel ratio, the drawing so far smoothly
    // rescaled; false when the ratio is the same.
    bool set_device_pixel_ratio(qreal ratio);

private:
    // A circle image differs by colours, size, pen and where the centre falls
    // within a device pixel.
    using StampKey = std::tuple<QRgb, QRgb, bool, float, int, double, double>;

    QPainter& painter();
    const QImage& stamp(const StampKey& key, int side);
    void end_circle_pass();

    QSize logical_size_;
    QImage image_;
    std::optional<QPainter> painter_;
    QFont font_;
    QColor background_;
    QColor foreground_;
    int ascent_ = 0;
    int line_spacing_ = 0;

    int draw_width_ = 1;
    bool filled_ = false;
    Rgb fill_colour_{};
    QPointF cursor_{0.0, 0.0};

    // Circles drawn one after another form a pass over the board.
    bool in_circle_pass_ = false;
    QRect pass_bounds_;
    QRect previous_pass_bounds_;
    std::map<StampKey, QImage> stamps_;
};

} // namespace tavrel
