#include "display/image_canvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPen>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrel {
namespace {

QColor to_qcolor(Rgb c)
{
    return {c.red, c.green, c.blue};
}

// Texts kept laid out: the fixed words, and the numbers of recent drawings.
constexpr std::size_t kLaidOutTexts = 16;

// Prepared circles need whole device pixels per logical pixel, so that the
// canvas's whole-pixel rectangles have sharp edges, and an opaque background.
std::unique_ptr<CircleStamps> stamps_for(CanvasRendering rendering, qreal device_pixel_ratio, QColor background)
{
    const double whole = std::round(device_pixel_ratio);
    if (rendering != CanvasRendering::prepared || whole != device_pixel_ratio || whole < 1.0 || whole > 8.0 ||
        background.alpha() != 255) {
        return nullptr;
    }
    return std::make_unique<CircleStamps>(static_cast<int>(whole), background.rgba());
}

// The device pixel of a logical coordinate, when it is a whole one.
bool whole_device_pixel(float logical, int dpr, int& device)
{
    const double scaled = static_cast<double>(logical) * dpr;
    if (!(std::fabs(scaled) < 1.0e6)) {
        return false;
    }
    device = static_cast<int>(scaled);
    return static_cast<double>(device) == scaled;
}

} // namespace

ImageCanvas::ImageCanvas(QSize logical_size, qreal device_pixel_ratio, const QFont& font,
                         QColor background, QColor foreground, CanvasRendering rendering)
    : rendering_(rendering),
      image_(logical_size * device_pixel_ratio, QImage::Format_RGB32),
      whole_image_(QPoint(0, 0), logical_size),
      changed_(whole_image_),
      font_(font),
      background_(background),
      foreground_(foreground),
      stamps_(stamps_for(rendering, device_pixel_ratio, background))
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

QRegion ImageCanvas::take_changed_area()
{
    return std::exchange(changed_, QRegion());
}

const QImage& ImageCanvas::image()
{
    // A pass still in progress shows what it has drawn so far; the rest of
    // it is painted as it comes.
    if (in_circle_pass_ && !painting_pass_) {
        paint_pending_circles();
    }
    finish_painting();
    return image_;
}

// Smoothed edges blend with what lies under them, so drawing the same circles
// again would darken their rims a little more with every generation. Each
// pass therefore starts from the background the first drawing saw: only
// circles ever touch that rectangle, so nothing else is lost.
void ImageCanvas::begin_circle(double left, double top, double right, double bottom)
{
    if (!in_circle_pass_) {
        in_circle_pass_ = true;
        painting_pass_ = (rendering_ == CanvasRendering::painted);
        if (painting_pass_) {
            restore_pass_background();
        }
        pass_left_ = left;
        pass_top_ = top;
        pass_right_ = right;
        pass_bottom_ = bottom;
        return;
    }
    pass_left_ = std::min(pass_left_, left);
    pass_top_ = std::min(pass_top_, top);
    pass_right_ = std::max(pass_right_, right);
    pass_bottom_ = std::max(pass_bottom_, bottom);
}

void ImageCanvas::restore_pass_background()
{
    if (!previous_pass_bounds_.isEmpty()) {
        painter().fillRect(previous_pass_bounds_, background_);
    }
}

void ImageCanvas::end_circle_pass()
{
    if (!in_circle_pass_) {
        return;
    }
    in_circle_pass_ = false;
    // The whole pixels the circles' rectangles reach into.
    pass_bounds_ = QRect(QPoint(static_cast<int>(std::floor(pass_left_)), static_cast<int>(std::floor(pass_top_))),
                         QPoint(static_cast<int>(std::ceil(pass_right_)) - 1,
                                static_cast<int>(std::ceil(pass_bottom_)) - 1));
    if (!painting_pass_) {
        draw_pending_circles();
    } else if (rendering_ == CanvasRendering::prepared) {
        // Painted in a prepared canvas, after image() was asked for mid-pass.
        dirty_ = previous_pass_bounds_.contains(pass_bounds_) ? QRect() : pass_bounds_;
    }
    painting_pass_ = false;
    changed_ += previous_pass_bounds_;
    changed_ += pass_bounds_;
    previous_pass_bounds_ = pass_bounds_;
}

void ImageCanvas::paint_circle(const PendingCircle& circle)
{
    QPainter& p = painter();
    p.setPen(QPen(to_qcolor(circle.outline), circle.pen_width));
    p.setBrush(circle.filled ? QBrush(to_qcolor(circle.fill)) : QBrush(Qt::NoBrush));
    p.drawEllipse(QPointF(circle.x, circle.y), circle.radius, circle.radius);
}

// Turns the pass in progress into a painted one: what waited is painted now,
// and the rest of the pass is painted as it comes.
void ImageCanvas::paint_pending_circles()
{
    painting_pass_ = true;
    restore_pass_background();
    for (const PendingCircle& circle : pending_) {
        paint_circle(circle);
    }
    pending_.clear();
}

bool ImageCanvas::collect_discs()
{
    if (!stamps_) {
        return false;
    }
    const auto dpr = static_cast<int>(image_.devicePixelRatio());
    for (int attempt = 0; attempt < 2; ++attempt) {
        discs_.clear();
        bool complete = true;
        // Neighbouring circles mostly share size and colours.
        const PendingCircle* previous = nullptr;
        CircleStamps::Disc disc;
        for (const PendingCircle& circle : pending_) {
            if (!circle.filled || !whole_device_pixel(circle.x, dpr, disc.x) ||
                !whole_device_pixel(circle.y, dpr, disc.y)) {
                return false;
            }
            if (!previous || previous->radius != circle.radius || previous->pen_width != circle.pen_width) {
                const auto shape = stamps_->shape_id(circle.radius, circle.pen_width);
                if (!shape) {
                    return false;
                }
                disc.shape = *shape;
            }
            if (!previous || previous->fill != circle.fill || previous->outline != circle.outline) {
                const auto look = stamps_->look_id(qRgb(circle.fill.red, circle.fill.green, circle.fill.blue),
                                                   qRgb(circle.outline.red, circle.outline.green, circle.outline.blue));
                if (!look) {
                    complete = false;
                    break;
                }
                disc.look = *look;
            }
            discs_.push_back(disc);
            previous = &circle;
        }
        if (complete) {
            return true;
        }
        // Colours of earlier passes fill the table; start it again from this one's.
        stamps_->forget_looks();
    }
    return false;
}

void ImageCanvas::draw_pending_circles()
{
    const bool stampable = collect_discs();
    // Under the first pass lies the background the image was filled with,
    // except where other drawing touched it; planning and stamping that pass
    // is quicker than painting it, which shortens the program's start-up.
    const bool first_pass = previous_pass_bounds_.isEmpty();
    if (stampable && (pass_bounds_ == previous_pass_bounds_ || first_pass) &&
        (stamps_->has_plan_for(discs_, image_) || (first_pass && stamps_->make_plan(discs_, image_)))) {
        // The same circles at the same places as the last pass (or the
        // first pass): the pixels they leave uncovered are background except
        // where other drawing touched them since.
        const QRect stale = dirty_ & pass_bounds_;
        if (!stale.isEmpty()) {
            painter().fillRect(stale, background_);
        }
        stamps_->stamp(image_, discs_);
        dirty_ = QRect();
    } else {
        paint_pending_circles();
        dirty_ = previous_pass_bounds_.contains(pass_bounds_) ? QRect() : pass_bounds_;
        // A first pass that could not be stamped failed its plan above.
        if (stampable && !first_pass) {
            stamps_->make_plan(discs_, image_);
        }
    }
    pending_.clear();
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

void ImageCanvas::Circle(float x, float y, float radius, Rgb outline)
{
    // Room for the outline and one pixel of smoothing; the sums are formed as
    // a QRectF forms its corners.
    const qreal reach = radius + draw_width_ / 2.0 + 1.0;
    const qreal left = x - reach;
    const qreal top = y - reach;
    begin_circle(left, top, left + 2 * reach, top + 2 * reach);
    const PendingCircle circle{x, y, radius, outline, fill_colour_, draw_width_, filled_};
    if (painting_pass_) {
        paint_circle(circle);
    } else {
        pending_.push_back(circle);
    }
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
    touched(box.toAlignedRect());
}

void ImageCanvas::PSet(float x, float y)
{
    end_circle_pass();
    const qreal half = draw_width_ / 2.0;
    const QRectF dot(x - half, y - half, draw_width_, draw_width_);
    painter().fillRect(dot, foreground_);
    touched(dot.toAlignedRect());
    cursor_ = QPointF(x, y);
}

void ImageCanvas::Print(std::initializer_list<PrintItem> items)
{
    end_circle_pass();
    const std::string text = format_print_items(items);
    if (!text.empty()) {
        if (rendering_ == CanvasRendering::prepared) {
            print_prepared(QString::fromStdString(text));
        } else {
            QPainter& p = painter();
            p.setPen(foreground_);
            p.drawText(QPointF(cursor_.x(), cursor_.y() + ascent_), QString::fromStdString(text));
            changed_ = QRegion(whole_image_); // where text ends is not worked out here

        }
    }
    cursor_ = QPointF(0.0, cursor_.y() + line_spacing_);
}

// Drawn from its layout, the text lands on the same pixels as drawText puts
// it with the baseline one ascent below the cursor.
void ImageCanvas::print_prepared(const QString& text)
{
    const LaidOutText& laid = laid_out(text);
    QPainter& p = painter();
    p.setPen(foreground_);
    p.drawStaticText(cursor_, laid.layout);
    const QPointF baseline(cursor_.x(), cursor_.y() + ascent_);
    touched(laid.bounds.translated(baseline.toPoint()).adjusted(-1, -1, 1, 1));
}

const ImageCanvas::LaidOutText& ImageCanvas::laid_out(const QString& text)
{
    ++text_uses_;
    const auto known =
        std::find_if(texts_.begin(), texts_.end(), [&text](const LaidOutText& laid) { return laid.text == text; });
    if (known != texts_.end()) {
        known->last_use = text_uses_;
        return *known;
    }
    LaidOutText fresh{text, QStaticText(text), {}, text_uses_};
    fresh.layout.setTextFormat(Qt::PlainText);
    fresh.layout.prepare(painter().transform(), font_);
    // Whole pixels around the ink, one more on each side for the cursor's
    // fraction.
    fresh.bounds = QFontMetricsF(font_, &image_).boundingRect(text).toAlignedRect().adjusted(-1, -1, 1, 1);
    if (texts_.size() < kLaidOutTexts) {
        texts_.push_back(std::move(fresh));
        return texts_.back();
    }
    auto oldest = std::min_element(texts_.begin(), texts_.end(), [](const LaidOutText& a, const LaidOutText& b) {
        return a.last_use < b.last_use;
    });
    *oldest = std::move(fresh);
    return *oldest;
}

} // namespace tavrel
