#include "display/circle_stamps.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace tavrel {
namespace {

// A plan tells colours apart with two bits each, and keys a circle by its
// own colours and those of at most this many earlier circles over it.
constexpr std::size_t kMaxLooks = 4;
constexpr std::size_t kMaxEarlier = 5;

// QPainter's rounded multiplication of the four channels of x by a / 255.
std::uint32_t byte_mul(std::uint32_t x, std::uint32_t a)
{
    std::uint32_t t = (x & 0xff00ffU) * a;
    t = (t + ((t >> 8U) & 0xff00ffU) + 0x800080U) >> 8U;
    t &= 0xff00ffU;
    x = ((x >> 8U) & 0xff00ffU) * a;
    x = x + ((x >> 8U) & 0xff00ffU) + 0x800080U;
    x &= 0xff00ff00U;
    return x | t;
}

// One pixel of a layer of opaque colour at coverage c laid over `under`,
// as QPainter blends an antialiased solid span.
std::uint32_t lay(std::uint32_t under, std::uint32_t colour, std::uint32_t coverage)
{
    if (coverage == 0) {
        return under;
    }
    if (coverage == 255) {
        return colour;
    }
    return byte_mul(colour, coverage) + byte_mul(under, 255 - coverage);
}

// Coverage of the fill or of the outline of one circle centred on the
// pixel corner (half, half): the alpha of white painted on transparency.
std::vector<std::uint8_t> coverage(int side, int dpr, float radius, int pen_width, bool outline)
{
    QImage mask(side, side, QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(dpr);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        if (outline) {
            p.setPen(QPen(QColor(Qt::white), pen_width));
            p.setBrush(Qt::NoBrush);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(Qt::white));
        }
        const int centre_pixel = side / 2; // the middle pixel, not the middle point
        const qreal centre = static_cast<qreal>(centre_pixel) / dpr;
        p.drawEllipse(QPointF(centre, centre), radius, radius);
    }
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    for (int y = 0; y < side; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            alpha[static_cast<std::size_t>(y * side + x)] = static_cast<std::uint8_t>(qAlpha(line[x]));
        }
    }
    return alpha;
}

// A run of pixels of one sprite row, and where its values start in a block
// of prepared pixels.
struct Run {
    int y = 0;
    int x = 0;
    int length = 0;
    std::size_t offset = 0;
};

// Copies a run of pixels. Runs are short (a circle's row), so a call of
// memcpy per run costs more than the copying.
inline void copy_run(std::uint32_t* to, const std::uint32_t* from, int length)
{
#if defined(__SSE2__)
    if (length >= 4) {
        int at = 0;
        for (; at + 4 <= length; at += 4) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + at),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + at)));
        }
        if (at < length) { // the last four, overlapping what is already copied
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + length - 4),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + length - 4)));
        }
        return;
    }
#endif
    std::memcpy(to, from, static_cast<std::size_t>(length) * sizeof(std::uint32_t));
}

} // namespace

// Sorts runs by where they start: by image line first, counting how many
// start on each, then by position within each line.
std::vector<CircleStamps::ImageRun> CircleStamps::in_memory_order(const std::vector<ImageRun>& runs,
                                                                  std::uint32_t pixels_per_line, int lines)
{
    std::vector<std::size_t> line_start(static_cast<std::size_t>(lines) + 1, 0);
    for (const ImageRun& run : runs) {
        ++line_start[run.at / pixels_per_line + 1];
    }
    for (std::size_t line = 1; line < line_start.size(); ++line) {
        line_start[line] += line_start[line - 1];
    }
    std::vector<ImageRun> sorted(runs.size());
    std::vector<std::size_t> next(line_start.begin(), line_start.end() - 1);
    for (const ImageRun& run : runs) {
        sorted[next[run.at / pixels_per_line]++] = run;
    }
    const auto by_start = [](const ImageRun& a, const ImageRun& b) { return a.at < b.at; };
    for (std::size_t line = 0; line + 1 < line_start.size(); ++line) {
        std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(line_start[line]),
                  sorted.begin() + static_cast<std::ptrdiff_t>(line_start[line + 1]), by_start);
    }
    return sorted;
}

struct CircleStamps::Shape {
    float radius = 0;
    int pen_width = 0;
    int half = 0; // the sprite is 2 * half device pixels square, centre at (half, half)
    int side = 0;
    std::vector<std::uint8_t> fill;
    std::vector<std::uint8_t> outline;
    // Per sprite row, the covered pixels first..last (first > last when
    // none), when every row's covered pixels are one unbroken stretch.
    struct Span {
        int first = 0;
        int last = -1;
    };
    std::vector<Span> spans;
    bool rows_unbroken = false;

    [[nodiscard]] bool covers(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= side || y >= side) {
            return false;
        }
        const auto at = static_cast<std::size_t>(y * side + x);
        return fill[at] != 0 || outline[at] != 0;
    }

    void find_spans()
    {
        spans.assign(static_cast<std::size_t>(side), Span{});
        rows_unbroken = true;
        for (int y = 0; y < side; ++y) {
            Span& span = spans[static_cast<std::size_t>(y)];
            for (int x = 0; x < side; ++x) {
                if (covers(x, y)) {
                    span.first = span.last < span.first ? x : span.first;
                    span.last = x;
                }
            }
            for (int x = span.first; x <= span.last; ++x) {
                rows_unbroken = rows_unbroken && covers(x, y);
            }
        }
    }
};

// Circles that overlap others the same way: a circle's shape, the offsets
// and shapes of the earlier circles under it and of the later ones over it.
// It writes the pixels it covers that no later circle covers, and keeps
// their final values for every combination of colours seen so far.
struct CircleStamps::Neighbourhood {
    struct Other {
        int dx = 0;
        int dy = 0;
        int shape = 0;
    };
    int shape = 0;
    std::vector<Other> earlier;
    std::vector<Run> runs;
    std::size_t pixels = 0;
    std::vector<std::vector<std::uint32_t>> pixels_by_colours;
};

CircleStamps::CircleStamps(int device_pixel_ratio, QRgb background)
    : dpr_(device_pixel_ratio), background_(background | 0xff000000U)
{
}

CircleStamps::~CircleStamps() = default;

std::optional<int> CircleStamps::shape_id(float radius, int pen_width)
{
    for (std::size_t id = 0; id < shapes_.size(); ++id) {
        if (shapes_[id]->radius == radius && shapes_[id]->pen_width == pen_width) {
            return static_cast<int>(id);
        }
    }
    if (!(radius > 0.0F && radius < 1000.0F) || pen_width < 0 || pen_width > 1000) {
        return std::nullopt;
    }
    auto shape = std::make_unique<Shape>();
    shape->radius = radius;
    shape->pen_width = pen_width;
    shape->half = static_cast<int>(std::ceil((radius + pen_width / 2.0 + 1.0) * dpr_));
    shape->side = 2 * shape->half;
    shape->fill = coverage(shape->side, dpr_, radius, pen_width, false);
    shape->outline = coverage(shape->side, dpr_, radius, pen_width, true);
    for (int k = 0; k < shape->side; ++k) {
        if (shape->covers(k, 0) || shape->covers(k, shape->side - 1) || shape->covers(0, k) ||
            shape->covers(shape->side - 1, k)) {
            return std::nullopt; // reaches the sprite's border: the sprite is too small
        }
    }
    shape->find_spans();
    shapes_.push_back(std::move(shape));
    return static_cast<int>(shapes_.size() - 1);
}

std::optional<int> CircleStamps::look_id(QRgb fill, QRgb outline)
{
    for (std::size_t id = 0; id < looks_.size(); ++id) {
        if (looks_[id].fill == fill && looks_[id].outline == outline) {
            return static_cast<int>(id);
        }
    }
    if (qAlpha(fill) != 255 || qAlpha(outline) != 255 || looks_.size() == kMaxLooks) {
        return std::nullopt;
    }
    looks_.push_back({fill, outline});
    return static_cast<int>(looks_.size() - 1);
}

void CircleStamps::forget_looks()
{
    looks_.clear();
    for (const auto& neighbourhood : neighbourhoods_) {
        for (auto& pixels : neighbourhood->pixels_by_colours) {
            pixels = {};
        }
    }
}

bool CircleStamps::has_plan_for(std::span<const Disc> pass, const QImage& image) const
{
    return !plan_.empty() && image.size() == plan_image_size_ && image.bytesPerLine() == plan_line_bytes_ &&
           image.depth() == 32 &&
           std::equal(pass.begin(), pass.end(), plan_geometry_.begin(), plan_geometry_.end(),
                      [](const Disc& a, const Disc& b) { return a.x == b.x && a.y == b.y && a.shape == b.shape; });
}

bool CircleStamps::overlap(const Disc& a, const Disc& b) const
{
    const Shape& sa = *shapes_[static_cast<std::size_t>(a.shape)];
    const Shape& sb = *shapes_[static_cast<std::size_t>(b.shape)];
    const int ax = a.x - sa.half;
    const int ay = a.y - sa.half;
    const int bx = b.x - sb.half;
    const int by = b.y - sb.half;
    const int left = std::max(ax, bx);
    const int right = std::min(ax + sa.side, bx + sb.side);
    const int top = std::max(ay, by);
    const int bottom = std::min(ay + sa.side, by + sb.side);
    if (sa.rows_unbroken && sb.rows_unbroken) {
        for (int y = top; y < bottom; ++y) {
            const Shape::Span& a_row = sa.spans[static_cast<std::size_t>(y - ay)];
            const Shape::Span& b_row = sb.spans[static_cast<std::size_t>(y - by)];
            if (std::max(ax + a_row.first, bx + b_row.first) <= std::min(ax + a_row.last, bx + b_row.last)) {
                return true;
            }
        }
        return false;
    }
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (sa.covers(x - ax, y - ay) && sb.covers(x - bx, y - by)) {
                return true;
            }
        }
    }
    return false;
}

int CircleStamps::neighbourhood_of(std::span<const Disc> pass, int index, const PlannedDisc& planned)
{
    const Disc& disc = pass[static_cast<std::size_t>(index)];
    std::vector<int> key{disc.shape, static_cast<int>(planned.earlier.size())};
    for (const auto* others : {&planned.earlier, &planned.later}) {
        for (const int other_index : *others) {
            const Disc& other = pass[static_cast<std::size_t>(other_index)];
            key.insert(key.end(), {other.x - disc.x, other.y - disc.y, other.shape});
        }
    }
    const auto [found, added] = neighbourhood_ids_.try_emplace(key, static_cast<int>(neighbourhoods_.size()));
    if (!added) {
        return found->second;
    }
    auto neighbourhood = std::make_unique<Neighbourhood>();
    neighbourhood->shape = disc.shape;
    std::vector<Neighbourhood::Other> later;
    for (std::size_t k = 2; k < key.size(); k += 3) {
        auto& list = (k - 2) / 3 < planned.earlier.size() ? neighbourhood->earlier : later;
        list.push_back({key[k], key[k + 1], key[k + 2]});
    }
    const Shape& own = *shapes_[static_cast<std::size_t>(disc.shape)];
    const auto hidden = [&](int x, int y) {
        return std::any_of(later.begin(), later.end(), [&](const Neighbourhood::Other& other) {
            const Shape& shape = *shapes_[static_cast<std::size_t>(other.shape)];
            return shape.covers(x - other.dx - own.half + shape.half, y - other.dy - own.half + shape.half);
        });
    };
    for (int y = 0; y < own.side; ++y) {
        for (int x = 0; x < own.side;) {
            if (!own.covers(x, y) || hidden(x, y)) {
                ++x;
                continue;
            }
            Run run{y, x, 0, neighbourhood->pixels};
            while (x < own.side && own.covers(x, y) && !hidden(x, y)) {
                ++run.length;
                ++x;
            }
            neighbourhood->runs.push_back(run);
            neighbourhood->pixels += static_cast<std::size_t>(run.length);
        }
    }
    std::size_t combinations = kMaxLooks;
    for (std::size_t k = 0; k < planned.earlier.size(); ++k) {
        combinations *= kMaxLooks;
    }
    neighbourhood->pixels_by_colours.resize(combinations);
    neighbourhoods_.push_back(std::move(neighbourhood));
    return found->second;
}

bool CircleStamps::make_plan(std::span<const Disc> pass, const QImage& image)
{
    plan_.clear();
    plan_geometry_.clear();
    image_runs_.clear();
    const qsizetype pixels_per_line = image.bytesPerLine() / 4;
    if (image.depth() != 32 || pass.size() > 0xffffU ||
        static_cast<double>(pixels_per_line) * image.height() > 4.0e9) {
        return false;
    }
    std::vector<PlannedDisc> plan(pass.size());
    int widest = 1;
    for (const Disc& disc : pass) {
        const Shape& shape = *shapes_[static_cast<std::size_t>(disc.shape)];
        if (disc.x - shape.half < 0 || disc.y - shape.half < 0 || disc.x + shape.half > image.width() ||
            disc.y + shape.half > image.height()) {
            return false;
        }
        widest = std::max(widest, shape.side);
    }
    // Sprites no wider than a bucket overlap only when their corners lie in
    // the same or in neighbouring buckets.
    const int bucket_columns = image.width() / widest + 1;
    const int bucket_rows = image.height() / widest + 1;
    std::vector<std::vector<int>> buckets(static_cast<std::size_t>(bucket_columns * bucket_rows));
    std::vector<int> nearby;
    for (std::size_t k = 0; k < pass.size(); ++k) {
        const Disc& disc = pass[k];
        const int half = shapes_[static_cast<std::size_t>(disc.shape)]->half;
        const int column = (disc.x - half) / widest;
        const int row = (disc.y - half) / widest;
        nearby.clear();
        for (int r = std::max(0, row - 1); r <= std::min(bucket_rows - 1, row + 1); ++r) {
            for (int c = std::max(0, column - 1); c <= std::min(bucket_columns - 1, column + 1); ++c) {
                const auto& bucket = buckets[static_cast<std::size_t>(r * bucket_columns + c)];
                nearby.insert(nearby.end(), bucket.begin(), bucket.end());
            }
        }
        std::sort(nearby.begin(), nearby.end());
        for (const int m : nearby) {
            if (overlap(pass[static_cast<std::size_t>(m)], disc)) {
                plan[k].earlier.push_back(m);
                plan[static_cast<std::size_t>(m)].later.push_back(static_cast<int>(k));
            }
        }
        if (plan[k].earlier.size() > kMaxEarlier) {
            return false;
        }
        buckets[static_cast<std::size_t>(row * bucket_columns + column)].push_back(static_cast<int>(k));
    }
    std::vector<ImageRun> runs;
    for (std::size_t k = 0; k < pass.size(); ++k) {
        plan[k].neighbourhood = neighbourhood_of(pass, static_cast<int>(k), plan[k]);
        const Neighbourhood& neighbourhood = *neighbourhoods_[static_cast<std::size_t>(plan[k].neighbourhood)];
        const int half = shapes_[static_cast<std::size_t>(pass[k].shape)]->half;
        for (const Run& run : neighbourhood.runs) {
            if (run.length > 0xffff) {
                return false;
            }
            const qsizetype at = (pass[k].y - half + run.y) * pixels_per_line + pass[k].x - half + run.x;
            runs.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(run.offset),
                            static_cast<std::uint16_t>(k), static_cast<std::uint16_t>(run.length)});
        }
    }
    // Every pixel is written by one circle only, so the runs may go in any
    // order; the order of memory writes the image as a fill would.
    plan_ = std::move(plan);
    plan_geometry_.assign(pass.begin(), pass.end());
    image_runs_ = in_memory_order(runs, static_cast<std::uint32_t>(pixels_per_line), image.height());
    plan_image_size_ = image.size();
    plan_line_bytes_ = image.bytesPerLine();
    return true;
}

// The final values of the pixels a circle writes, when its earlier
// neighbours and itself have the given colours, in drawing order, over the
// background.
const std::uint32_t* CircleStamps::pixels_for(Neighbourhood& neighbourhood, std::size_t combination,
                                              std::span<const int> looks_in_order)
{
    std::vector<std::uint32_t>& pixels = neighbourhood.pixels_by_colours[combination];
    if (!pixels.empty() || neighbourhood.pixels == 0) {
        return pixels.data();
    }
    const Shape& own = *shapes_[static_cast<std::size_t>(neighbourhood.shape)];
    const int side = own.side;
    std::vector<std::uint32_t> box(static_cast<std::size_t>(side * side), background_);
    const auto paint = [&](const Shape& shape, int dx, int dy, const Look& look) {
        // The circle's sprite origin within this circle's sprite.
        const int ox = dx - shape.half + own.half;
        const int oy = dy - shape.half + own.half;
        for (int y = std::max(0, -oy); y < std::min(shape.side, side - oy); ++y) {
            for (int x = std::max(0, -ox); x < std::min(shape.side, side - ox); ++x) {
                const auto from = static_cast<std::size_t>(y * shape.side + x);
                std::uint32_t& pixel = box[static_cast<std::size_t>((y + oy) * side + x + ox)];
                pixel = lay(pixel, look.fill, shape.fill[from]);
                pixel = lay(pixel, look.outline, shape.outline[from]);
            }
        }
    };
    for (std::size_t e = 0; e < neighbourhood.earlier.size(); ++e) {
        const auto& other = neighbourhood.earlier[e];
        paint(*shapes_[static_cast<std::size_t>(other.shape)], other.dx, other.dy,
              looks_[static_cast<std::size_t>(looks_in_order[e])]);
    }
    paint(own, 0, 0, looks_[static_cast<std::size_t>(looks_in_order.back())]);

    pixels.resize(neighbourhood.pixels);
    for (const Run& run : neighbourhood.runs) {
        std::memcpy(pixels.data() + run.offset, box.data() + static_cast<std::ptrdiff_t>(run.y) * side + run.x,
                    static_cast<std::size_t>(run.length) * sizeof(std::uint32_t));
    }
    return pixels.data();
}

void CircleStamps::stamp(QImage& image, std::span<const Disc> pass)
{
    disc_pixels_.resize(pass.size());
    std::array<int, kMaxEarlier + 1> looks{};
    for (std::size_t k = 0; k < pass.size(); ++k) {
        const PlannedDisc& planned = plan_[k];
        std::size_t combination = 0;
        std::size_t count = 0;
        for (const int e : planned.earlier) {
            const int look = pass[static_cast<std::size_t>(e)].look;
            combination = combination * kMaxLooks + static_cast<std::size_t>(look);
            looks[count++] = look;
        }
        combination = combination * kMaxLooks + static_cast<std::size_t>(pass[k].look);
        looks[count++] = pass[k].look;
        Neighbourhood& neighbourhood = *neighbourhoods_[static_cast<std::size_t>(planned.neighbourhood)];
        const std::vector<std::uint32_t>& prepared = neighbourhood.pixels_by_colours[combination];
        disc_pixels_[k] = prepared.empty()
                              ? pixels_for(neighbourhood, combination, std::span<const int>(looks.data(), count))
                              : prepared.data();
    }
    auto* const pixels = reinterpret_cast<std::uint32_t*>(image.bits());
    for (const ImageRun& run : image_runs_) {
        copy_run(pixels + run.at, disc_pixels_[run.disc] + run.from, run.length);
    }
}

} // namespace tavrel
