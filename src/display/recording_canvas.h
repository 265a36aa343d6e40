#pragma once

#include "display/canvas.h"

#include <string>
#include <vector>

namespace tavrel {

// A canvas that draws nothing and remembers every call, for tests and for
// driving the program without a screen.
class RecordingCanvas final : public Canvas {
public:
    enum class Op { draw_width, fill_style, fill_color, circle, line, pset, print };

    struct Call {
        Op op;
        float x1 = 0;
        float y1 = 0;
        float x2 = 0;
        float y2 = 0;
        float radius = 0;
        int value = 0;    // pen width or fill style
        Rgb colour{};     // outline, box or fill colour
        Rgb fill{};       // the fill colour in force when a circle was drawn
        std::string text{}; // what a Print wrote
    };

    void DrawWidth(int width) override;
    void FillStyle(int style) override;
    void FillColor(Rgb fill) override;
    void Circle(float x, float y, float radius, Rgb outline) override;
    void Line(float x1, float y1, float x2, float y2, Rgb c) override;
    void PSet(float x, float y) override;
    void Print(std::initializer_list<PrintItem> items) override;

    [[nodiscard]] const std::vector<Call>& calls() const { return calls_; }
    [[nodiscard]] std::vector<Call> calls_of(Op op) const;
    void clear() { calls_.clear(); }
    // When false, calls are not kept (long runs that only need the state).
    void set_recording(bool on) { recording_ = on; }

private:
    void record(Call call);

    std::vector<Call> calls_;
    Rgb fill_;
    bool recording_ = true;
};

} // namespace tavrel
