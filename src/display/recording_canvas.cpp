#include "display/recording_canvas.h"

#include <algorithm>
#include <iterator>

namespace tavrel {

void RecordingCanvas::record(Call call)
{
    if (recording_) {
        calls_.push_back(std::move(call));
    }
}

std::vector<RecordingCanvas::Call> RecordingCanvas::calls_of(Op op) const
{
    std::vector<Call> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [op](const Call& call) { return call.op == op; });
    return found;
}

void RecordingCanvas::DrawWidth(int width)
{
    record({.op = Op::draw_width, .value = width});
}

void RecordingCanvas::FillStyle(int style)
{
    record({.op = Op::fill_style, .value = style});
}

void RecordingCanvas::FillColor(Rgb fill)
{
    fill_ = fill;
    record({.op = Op::fill_color, .colour = fill});
}

void RecordingCanvas::Circle(float x, float y, float radius, Rgb outline)
{
    record({.op = Op::circle, .x1 = x, .y1 = y, .radius = radius, .colour = outline, .fill = fill_});
}

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, Rgb c)
{
    record({.op = Op::line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = c});
}

void RecordingCanvas::PSet(float x, float y)
{
    record({.op = Op::pset, .x1 = x, .y1 = y});
}

void RecordingCanvas::Print(std::initializer_list<PrintItem> items)
{
    record({.op = Op::print, .text = format_print_items(items)});
}

} // namespace tavrel
