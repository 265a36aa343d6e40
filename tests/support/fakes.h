#pragma once

#include "control/form.h"
#include "control/procedures.h"
#include "display/draw_tavrel.h"

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tavrel::testing {

// A canvas that logs circles with their fill apart, other calls as text.
struct RecordingCanvas final : Canvas {
    struct Disc { float x{}, y{}, radius{}; Rgb fill, outline; };
    std::vector<std::string> log;
    std::vector<Disc> circles;
    Rgb fill{};

    void add(std::string call, std::initializer_list<float> numbers)
    {
        for (const float n : numbers) {
            call += " " + std::to_string(static_cast<int>(n));
        }
        log.push_back(call);
    }
    void DrawWidth(int width) override { log.push_back("width " + std::to_string(width)); }
    void FillStyle(int /*style*/) override {}
    void FillColor(Rgb c) override { fill = c; }
    void Circle(float x, float y, float radius, Rgb outline) override { circles.push_back({x, y, radius, fill, outline}); }
    void Line(float x1, float y1, float x2, float y2, Rgb c) override
    {
        add("box", {x1, y1, x2, y2, static_cast<float>(c.red), static_cast<float>(c.green), static_cast<float>(c.blue)});
    }
    void PSet(float x, float y) override { add("pset", {x, y}); }
    void Print(std::initializer_list<PrintItem> items) override { log.push_back("print '" + format_print_items(items) + "'"); }
};

// The runtime without a window: scripted random numbers, then the fixed
// sequence; on_yield stands for the events queued during a pass.
struct FakeRuntime final : Runtime, UniformSource {
    std::vector<float> script;
    std::function<void(int)> on_yield = [](int) {};
    int ticked = 0, random_draws = 0, yields = 0, ends = 0, beeps = 0;
    RandomSource sequence;

    float next() override
    {
        ++random_draws;
        if (script.empty()) {
            return sequence.next();
        }
        const float r = script.front();
        script.erase(script.begin());
        return r;
    }
    UniformSource& random() override { return *this; }
    void do_events() override { on_yield(++yields); }
    void end() override { ++ends; }
    void beep() override { ++beeps; }
    [[nodiscard]] int value() const override { return ticked; }
};

// A loaded form on the fakes.
struct TestForm {
    RecordingCanvas canvas;
    FakeRuntime runtime;
    Form form{canvas, runtime};
    BoardState& s = form.state;
    TestForm() { Form_Load(form); }

    // Each drawing ends at the threshold line.
    [[nodiscard]] long drawings() const { return std::count(canvas.log.begin(), canvas.log.end(), "pset -1 180"); }
};

using CellSet = std::set<std::pair<int, int>>;

// The cells i0..i1 x j0..j1.
inline CellSet cells_in(int i0, int i1, int j0, int j1)
{
    CellSet cells;
    for (int i = i0; i <= i1; ++i) {
        for (int j = j0; j <= j1; ++j) {
            cells.insert({i, j});
        }
    }
    return cells;
}

inline void set_alive(BoardState& s, const CellSet& cells)
{
    for (const auto& [i, j] : cells) {
        s.cells.set(i, j, 1);
    }
}

// Live cells of the whole grid 0..40, outside cells included.
inline CellSet live_cells(const Grid& grid)
{
    CellSet live = cells_in(0, Grid::kMaxIndex, 0, Grid::kMaxIndex);
    std::erase_if(live, [&grid](const auto& cell) { return grid.at(cell.first, cell.second) == 0; });
    return live;
}

} // namespace tavrel::testing
