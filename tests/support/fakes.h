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

// A canvas that draws nothing and logs every call: circles apart, with the
// fill in force, everything else as text.
struct RecordingCanvas final : Canvas {
    struct Disc {
        float x, y, radius;
        Rgb fill, outline;
    };
    std::vector<std::string> log;
    std::vector<Disc> circles;
    Rgb fill{};

    void add(const std::string& call, std::initializer_list<float> numbers)
    {
        log.push_back(call);
        for (const float n : numbers) {
            log.back() += " " + std::to_string(static_cast<int>(n));
        }
    }
    void DrawWidth(int width) override { add("width", {static_cast<float>(width)}); }
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

// The runtime without a window: scripted random numbers first, then the
// program's fixed sequence; a hook that stands for the events queued during
// a pass; counters.
struct FakeRuntime final : Runtime, UniformSource {
    std::vector<float> script;
    std::function<void(int)> on_yield;
    int ticked = 0;
    int random_draws = 0;
    int yields = 0;
    int ends = 0;
    int beeps = 0;
    RandomSource sequence;

    float next() override
    {
        ++random_draws;
        const float r = script.empty() ? sequence.next() : script.front();
        script.erase(script.begin(), script.begin() + (script.empty() ? 0 : 1));
        return r;
    }
    UniformSource& random() override { return *this; }
    void do_events() override
    {
        ++yields;
        if (on_yield) {
            on_yield(yields);
        }
    }
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

    // Drawings so far: each ends by moving the cursor to the threshold line.
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
    CellSet live;
    for (int i = 0; i <= Grid::kMaxIndex; ++i) {
        for (int j = 0; j <= Grid::kMaxIndex; ++j) {
            if (grid.at(i, j) != 0) {
                live.insert({i, j});
            }
        }
    }
    return live;
}

} // namespace tavrel::testing
