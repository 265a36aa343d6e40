#pragma once

#include "display/canvas.h"
#include "display/circle_stamps.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRegion>
#include <QSize>
#include <QStaticText>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace tavrel {

// How the canvas puts circles and text on its image. Both give the same
// pixels. `painted` paints every circle and text with QPainter the moment it
// is drawn; `prepared` draws repeated passes of circles from prepared pixels
// (see CircleStamps) and lays out each text once, which is many times faster.
enum class CanvasRendering { prepared, painted };

// A canvas that keeps its drawing in a QImage, which the window puts on the
// screen. Geometry is in logical pixels; the image holds device pixels.
class ImageCanvas final : public Canvas {
public:
    ImageCanvas(QSize logical_size, qreal device_pixel_ratio, const QFont& font, QColor background,
                QColor foreground, CanvasRendering rendering = CanvasRendering::prepared);
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
    // What was drawn on since the last call, in logical pixels: the part of
    // the image that the screen must show anew.
    QRegion take_changed_area();

private:
    // A circle of the pass in progress, as it was asked for.
    struct PendingCircle {
        float x;
        float y;
        float radius;
        Rgb outline;
        Rgb fill;
        int pen_width;
        bool filled;
    };
    struct LaidOutText {
        QString text;
        QStaticText layout;
        QRect bounds; // covers its pixels when drawn with the baseline at (0, 0)
        std::uint64_t last_use = 0;
    };

    QPainter& painter();
    void finish_painting();
    void begin_circle(double left, double top, double right, double bottom);
    void end_circle_pass();
    void restore_pass_background();
    void paint_circle(const PendingCircle& circle);
    void paint_pending_circles();
    void draw_pending_circles();
    bool collect_discs();
    void print_prepared(const QString& text);
    const LaidOutText& laid_out(const QString& text);
    void touched(const QRect& area)
    {
        dirty_ |= area;
        changed_ += area;
    }

    CanvasRendering rendering_;
    QImage image_;
    QRect whole_image_;
    QRegion changed_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    QColor background_;
    QColor foreground_;
    int ascent_ = 0;
    int line_spacing_ = 0;

    int draw_width_ = 1;
    bool filled_ = false;
    Rgb fill_colour_{};
    QPointF cursor_{0.0, 0.0};

    // Circles drawn one after another form a pass over the board; the next
    // pass starts from the background under this one (see begin_circle).
    bool in_circle_pass_ = false;
    double pass_left_ = 0;
    double pass_top_ = 0;
    double pass_right_ = 0;
    double pass_bottom_ = 0;
    QRect pass_bounds_;
    QRect previous_pass_bounds_;

    // Prepared rendering. Circles of a pass wait here until the pass ends;
    // once the pass has been painted at the same places before, they are
    // stamped. `dirty_` bounds what was drawn since the last pass besides
    // circles: within the pass rectangle, every other pixel no circle covers
    // is still background.
    std::unique_ptr<CircleStamps> stamps_;
    std::vector<PendingCircle> pending_;
    std::vector<CircleStamps::Disc> discs_;
    bool painting_pass_ = false;
    QRect dirty_;
    std::vector<LaidOutText> texts_;
    std::uint64_t text_uses_ = 0;
};

} // namespace tavrel
