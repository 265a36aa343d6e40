#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace tavrel {

// Puts a pass of antialiased, outlined and filled circles on an RGB32 image
// exactly as QPainter paints them one after another over a background, but
// by copying prepared pixel rows instead of rasterising each circle.
//
// QPainter paints such a circle in two layers, the fill and then the
// outline, and blends each pixel of a layer with coverage c as
// colour * c + under * (255 - c), rounded as BYTE_MUL rounds. The
// coverages depend only on the circle's size and on where its centre falls
// within a device pixel, so they are rendered once per size, with the centre
// on a pixel corner. A pixel's final value then depends only on the colours
// of the circles that cover it, in drawing order, and on the background.
// A pass whose centres and sizes repeat the previous pass (the board is
// drawn at the same places every time) is planned once: for each circle,
// the earlier circles under it and the later ones over it. Each pixel is
// then written once, by the last circle that covers it, with its final
// value, computed once per combination of colours and copied row by row.
class CircleStamps {
public:
    // One circle of a pass: centre in device pixels, and the ids of its
    // size and of its colours.
    struct Disc {
        int x = 0;
        int y = 0;
        int shape = 0;
        int look = 0;
    };

    CircleStamps(int device_pixel_ratio, QRgb background);
    ~CircleStamps();
    CircleStamps(const CircleStamps&) = delete;
    CircleStamps& operator=(const CircleStamps&) = delete;

    // Id of a circle of this radius (logical pixels) outlined with this pen
    // width, or nothing when such circles cannot be stamped.
    std::optional<int> shape_id(float radius, int pen_width);
    // Id of a fill and outline colour pair, or nothing when the pass uses
    // more pairs than a plan can tell apart.
    std::optional<int> look_id(QRgb fill, QRgb outline);
    // Forgets every colour pair, as a pass with new colours needs.
    void forget_looks();

    // Whether stamp() can draw this pass on this image: the plan made by the
    // last call of make_plan has the same centres and sizes in the same
    // order, for an image of the same layout.
    [[nodiscard]] bool has_plan_for(std::span<const Disc> pass, const QImage& image) const;
    // Plans the pass; false when it cannot be stamped (a circle outside the
    // image, or overlapped by too many earlier circles).
    bool make_plan(std::span<const Disc> pass, const QImage& image);
    // Draws the planned pass. Every pixel a circle covers is written; its
    // value assumes that the pixel was background when the pass began.
    void stamp(QImage& image, std::span<const Disc> pass);

private:
    struct Shape;
    struct Neighbourhood;
    struct PlannedDisc {
        int neighbourhood = 0;
        std::vector<int> earlier; // pass indices of the overlapping earlier circles
        std::vector<int> later;   // and of the later ones
    };
    struct Look {
        QRgb fill;
        QRgb outline;
    };
    // A run of pixels of the image that one circle writes, and where its
    // values start among that circle's prepared pixels.
    struct ImageRun {
        std::uint32_t at = 0; // pixel index: y * pixels per line + x
        std::uint32_t from = 0;
        std::uint16_t disc = 0;
        std::uint16_t length = 0;
    };

    static std::vector<ImageRun> in_memory_order(const std::vector<ImageRun>& runs, std::uint32_t pixels_per_line,
                                                 int lines);
    [[nodiscard]] bool overlap(const Disc& a, const Disc& b) const;
    int neighbourhood_of(std::span<const Disc> pass, int index, const PlannedDisc& planned);
    const std::uint32_t* pixels_for(Neighbourhood& neighbourhood, std::size_t combination,
                                    std::span<const int> looks_in_order);

    int dpr_;
    QRgb background_;
    std::vector<std::unique_ptr<Shape>> shapes_;
    std::vector<Look> looks_;
    std::vector<std::unique_ptr<Neighbourhood>> neighbourhoods_;
    std::map<std::vector<int>, int> neighbourhood_ids_;
    std::vector<Disc> plan_geometry_; // look ignored
    std::vector<PlannedDisc> plan_;
    // Every pixel the pass writes, in the order of the image's memory.
    std::vector<ImageRun> image_runs_;
    QSize plan_image_size_;
    qsizetype plan_line_bytes_ = 0;
    std::vector<const std::uint32_t*> disc_pixels_;
};

} // namespace tavrel
