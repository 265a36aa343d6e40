// Turns its input into what a user does to the form, events inside runs
// included, and checks after every action what must always hold of the board.
// TAVREL_FUZZ_PLANT=<fault> plants a fault after every action, to show that
// the check meant to catch it fails (tools/fuzz does this for each).
#include "control/procedures.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <string_view>

namespace tavrel {
namespace {

constexpr std::int16_t kLastStep = std::numeric_limits<std::int16_t>::max();

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant violated: %s\n", what);
        std::abort();
    }
}

const std::string_view kPlant = std::getenv("TAVREL_FUZZ_PLANT") ? std::getenv("TAVREL_FUZZ_PLANT") : "";
// The faults planted after every action; unfinite_press is planted in a press.
const std::map<std::string_view, void (*)(BoardState&)> kFaults{
    {"cell_value", [](BoardState& s) { s.cells.set(13, 13, 2); }},
    {"next_cells", [](BoardState& s) { s.next_cells.set(20, 20, 1); }},
    {"live_count", [](BoardState& s) { ++s.live_count; }},
    {"outside_cell", [](BoardState& s) { s.cells.set(0, 0, static_cast<std::int16_t>(1 - s.cells.at(0, 0))); }},
    {"counter_wrap", [](BoardState& s) { s.step_number = std::numeric_limits<std::int16_t>::min(); }},
    {"grid_access", [](BoardState& s) { (void)s.cells.at(Grid::kMaxIndex + 1, 3); }},
};

struct NullCanvas final : Canvas {
    void DrawWidth(int) override {}
    void FillStyle(int) override {}
    void FillColor(Rgb) override {}
    void Circle(float, float, float, Rgb) override {}
    void Line(float, float, float, float, Rgb) override {}
    void PSet(float, float) override {}
    void Print(std::initializer_list<PrintItem>) override {}
};

// The form, its random numbers, check box and queued events from the input.
struct Session final : Runtime, UniformSource {
    explicit Session(FuzzedDataProvider& data) : input(data) {}

    UniformSource& random() override { return *this; }
    float next() override
    {
        return input.remaining_bytes() == 0
                   ? fixed.next()
                   : static_cast<float>(input.ConsumeIntegralInRange<std::uint32_t>(0, (1U << 24U) - 1)) / 16777216.0F;
    }
    void do_events() override
    {
        check();
        if (++passes >= 200 || input.remaining_bytes() == 0) {
            Stop_Click(form); // every run ends at its next test of the flag
        }
        for (int n = input.ConsumeIntegralInRange(0, 3); n > 0 && !form.ended && passes < 200; --n) {
            act();
        }
    }
    void end() override {}
    void beep() override {}
    [[nodiscard]] int value() const override
    {
        ++reads;
        return ticked;
    }

    void act()
    {
        BoardState& s = form.state;
        const BoardState before = s;
        switch (input.ConsumeIntegralInRange(0, 15)) {
        case 0:
            New_Click(form);
            require(s.step_number == 1 && s.live_count >= 1 && s.live_count <= 10, "New seeds one to ten cells");
            break;
        case 1: case 2: case 10: case 11:
            Go_Click(form);
            require(s.step_number == before.step_number + (before.step_number == kLastStep ? 0 : 1),
                    "Go advances the generation number by one, except at the last");
            break;
        case 3:
            if (depth < 6) {
                ++depth;
                Run_Click(form);
                --depth;
                require(form.ended || s.running != kTrue || s.live_count == 0 || s.step_number == kLastStep,
                        "a run ends only when stopped, on an empty board, at the last generation or at the end");
            }
            break;
        case 4:
            Stop_Click(form);
            require(s.running == kFalse && s.cells == before.cells, "Stop changes only the flag");
            break;
        case 5:
            press(std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>()),
                  std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>()));
            break;
        case 6: case 7: { // whole pixels around the board, sometimes with a fraction
            const float fraction = input.ConsumeBool() ? input.ConsumeFloatingPointInRange(0.0F, 1.0F) : 0.0F;
            press(static_cast<float>(input.ConsumeIntegralInRange(-20, 900)) + fraction,
                  static_cast<float>(input.ConsumeIntegralInRange(-20, 720)) + fraction);
            break;
        }
        case 8: ticked = 1 - ticked; break;
        case 9: // stands for the many generations of a long run
            s.step_number = static_cast<std::int16_t>(kLastStep - input.ConsumeIntegralInRange(0, 3));
            break;
        case 12: Exit_Click(form); break;
        default: break; // an event that runs nothing
        }
        if (const auto fault = kFaults.find(kPlant); fault != kFaults.end()) {
            fault->second(form.state);
        }
        check();
    }

    void press(float x, float y)
    {
        BoardState& s = form.state;
        const BoardState before = s;
        const long reads_before = reads;
        Form_MouseDown(form, input.ConsumeIntegral<std::int16_t>(), input.ConsumeIntegral<std::int16_t>(), x, y);
        const bool finite = std::isfinite(x) && std::isfinite(y);
        if (kPlant == "unfinite_press" && !finite) {
            s.cells.set(13, 13, static_cast<std::int16_t>(1 - s.cells.at(13, 13)));
        }
        require(finite || s.cells == before.cells, "a press at a point that is not finite toggled a cell");
        int changed = 0;
        for (int i = 0; i <= Grid::kMaxIndex; ++i) {
            for (int j = 0; j <= Grid::kMaxIndex; ++j) {
                changed += before.cells.at(i, j) != s.cells.at(i, j) ? 1 : 0;
            }
        }
        outside = s.cells;
        require(changed == 1 ? reads != reads_before && s.step_number == 0
                             : changed == 0 && reads == reads_before && s.step_number == before.step_number,
                "a press toggles one cell, sets generation 0 and draws, or does nothing");
    }

    void check() const
    {
        const BoardState& s = form.state;
        int live = 0;
        for (int i = 0; i <= Grid::kMaxIndex; ++i) {
            for (int j = 0; j <= Grid::kMaxIndex; ++j) {
                const std::int16_t cell = s.cells.at(i, j);
                const bool on_board = i >= 1 && i <= 25 && j >= 1 && j <= 25;
                require(cell == 0 || cell == 1, "a cell holds a value other than 0 and 1");
                require(s.next_cells.at(i, j) == 0, "next_cells is not all zero between generations");
                require(s.last_cells.at(i, j) == (on_board ? cell : 0), "last_cells differs from the drawn board");
                require(on_board || cell == outside.at(i, j), "a cell outside the board changed without a press");
                live += on_board ? cell : 0;
            }
        }
        require(s.live_count == live, "live_count differs from the live cells of the board");
        require(s.step_number >= 0, "the generation number went negative");
        require(s.birth_count == s.survive_count && (s.birth_count == 2 || s.birth_count == 3),
                "the thresholds are not both 2 or both 3");
        require(s.heredity == 0.0F || s.heredity == 2.0F || s.heredity == 3.0F, "heredity is not 0, 2 or 3");
    }

    FuzzedDataProvider& input;
    RandomSource fixed;
    NullCanvas canvas;
    Form form{canvas, *this};
    Grid outside; // the cells as the last press left them; those outside the board stay so
    mutable long reads = 0; // of the check box: one per cell drawn
    int ticked = 0, passes = 0, depth = 0;
};

} // namespace
} // namespace tavrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    tavrel::Session session(input);
    Form_Load(session.form);
    session.check();
    while (input.remaining_bytes() > 0 && !session.form.ended) {
        session.act();
    }
    return 0;
}
