// Turns its input into what a user does to the form: New, Go, Run (with
// events arriving while it yields, further Runs among them), Stop, presses at
// any single-precision X and Y, the check box and Exit. After every action it
// checks what must always hold of the board and aborts with a message when
// something does not; a failed grid or counter check throws and aborts too.
// The random numbers come from the input while it lasts, then from the
// program's fixed sequence.
//
// TAVREL_FUZZ_PLANT=<fault> plants one fault after every action, so that a
// run shows the check meant to catch it really fails (tools/fuzz does this).
#include "control/procedures.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace tavrel {
namespace {

constexpr int kSide = 25;
constexpr int kMaxPasses = 200; // of all runs of one input
constexpr int kMaxRunDepth = 6;
constexpr std::int16_t kLastStep = std::numeric_limits<std::int16_t>::max();

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant violated: %s\n", what);
        std::abort();
    }
}

std::string_view planted()
{
    static const char* plant = std::getenv("TAVREL_FUZZ_PLANT");
    return plant ? plant : "";
}

bool on_board(int i, int j)
{
    return i >= 1 && i <= kSide && j >= 1 && j <= kSide;
}

struct NullCanvas final : Canvas {
    void DrawWidth(int) override {}
    void FillStyle(int) override {}
    void FillColor(Rgb) override {}
    void Circle(float, float, float, Rgb) override {}
    void Line(float, float, float, float, Rgb) override {}
    void PSet(float, float) override {}
    void Print(std::initializer_list<PrintItem>) override {}
};

class Session final : Runtime, UniformSource {
public:
    explicit Session(FuzzedDataProvider& input) : input_(input) {}

    void run_actions()
    {
        Form_Load(form_);
        check();
        while (input_.remaining_bytes() > 0 && !form_.ended) {
            act();
        }
    }

private:
    // The runtime: the check box, the random numbers and the events queued
    // during a pass all come from the input.
    UniformSource& random() override { return *this; }
    float next() override
    {
        if (input_.remaining_bytes() == 0) {
            return fixed_.next();
        }
        return static_cast<float>(input_.ConsumeIntegralInRange<std::uint32_t>(0, (1U << 24U) - 1)) / 16777216.0F;
    }
    void do_events() override
    {
        check();
        if (++passes_ >= kMaxPasses || input_.remaining_bytes() == 0) {
            Stop_Click(form_); // every run ends at its next test of the flag
            return;
        }
        for (int n = input_.ConsumeIntegralInRange(0, 3); n > 0 && !form_.ended; --n) {
            act();
        }
    }
    void end() override {}
    void beep() override {}
    [[nodiscard]] int value() const override
    {
        ++reads_;
        return ticked_;
    }

    void act()
    {
        if (form_.ended) {
            return; // the window runs no procedure once the program is ending
        }
        BoardState& s = form_.state;
        const BoardState before = s;
        switch (input_.ConsumeIntegralInRange(0, 11)) {
        case 0:
            New_Click(form_);
            require(s.step_number == 1 && s.running == kTrue && s.live_count >= 1 && s.live_count <= 10,
                    "New seeds one to ten cells as generation 1");
            break;
        case 1:
        case 2:
            Go_Click(form_);
            require(s.step_number == before.step_number + (before.step_number == kLastStep ? 0 : 1),
                    "Go advances the generation number by one, except at the last");
            break;
        case 3:
            if (depth_ < kMaxRunDepth) {
                ++depth_;
                Run_Click(form_);
                --depth_;
                require(form_.ended || s.running != kTrue || s.live_count == 0 || s.step_number == kLastStep,
                        "a run ends only when stopped, on an empty board, at the last generation or at the end");
            }
            break;
        case 4:
            Stop_Click(form_);
            require(s.running == kFalse && s.cells == before.cells, "Stop changes only the flag");
            break;
        case 5:
            press(std::bit_cast<float>(input_.ConsumeIntegral<std::uint32_t>()),
                  std::bit_cast<float>(input_.ConsumeIntegral<std::uint32_t>()));
            break;
        case 6:
        case 7: {
            // Whole pixels around and on the board, sometimes with a fraction.
            const float fraction = input_.ConsumeBool() ? input_.ConsumeFloatingPointInRange(0.0F, 1.0F) : 0.0F;
            press(static_cast<float>(input_.ConsumeIntegralInRange(-20, 900)) + fraction,
                  static_cast<float>(input_.ConsumeIntegralInRange(-20, 720)) + fraction);
            break;
        }
        case 8: ticked_ = 1 - ticked_; break;
        case 9: // stands for the many generations of a long run
            s.step_number = static_cast<std::int16_t>(kLastStep - input_.ConsumeIntegralInRange(0, 3));
            break;
        case 10: Exit_Click(form_); break;
        default: break;
        }
        plant();
        check();
    }

    void press(float x, float y)
    {
        BoardState& s = form_.state;
        const BoardState before = s;
        const long reads = reads_;
        Form_MouseDown(form_, input_.ConsumeIntegral<std::int16_t>(), input_.ConsumeIntegral<std::int16_t>(), x, y);
        if (planted() == "unfinite_press" && !(std::isfinite(x) && std::isfinite(y))) {
            s.cells.set(13, 13, static_cast<std::int16_t>(1 - s.cells.at(13, 13)));
        }
        require((std::isfinite(x) && std::isfinite(y)) || s.cells == before.cells,
                "a press at a point that is not finite toggled a cell");
        int changed = 0;
        for (int i = 0; i <= Grid::kMaxIndex; ++i) {
            for (int j = 0; j <= Grid::kMaxIndex; ++j) {
                if (before.cells.at(i, j) == s.cells.at(i, j)) {
                    continue;
                }
                ++changed;
                // The toggled cell's rectangle, 20 x 17 around its centre, holds the press.
                const double dx = x - (60.0 + 20.0 * i + (j % 2 == 0 ? 5.0 : -5.0));
                const double dy = y - (10.0 + 17.0 * j);
                require(std::fabs(dx) <= 10.001 && std::fabs(dy) <= 8.501, "a press toggled a cell away from the pointer");
                if (!on_board(i, j)) {
                    outside_.set(i, j, s.cells.at(i, j));
                }
            }
        }
        if (changed == 0) {
            require(reads_ == reads && s.step_number == before.step_number, "an ignored press changes nothing and draws nothing");
            // Every point of this box lies in the rectangle of some cell 0..40.
            require(!(x >= 55.5F && x <= 864.5F && y >= 2.0F && y <= 698.0F), "a press on the grids was ignored");
            return;
        }
        require(changed == 1 && reads_ != reads && s.step_number == 0, "a press toggles one cell, sets generation 0 and draws");
    }

    void plant()
    {
        BoardState& s = form_.state;
        const std::string_view fault = planted();
        if (fault == "cell_value") {
            s.cells.set(13, 13, 2);
        } else if (fault == "next_cells") {
            s.next_cells.set(20, 20, 1);
        } else if (fault == "live_count") {
            ++s.live_count;
        } else if (fault == "outside_cell") {
            s.cells.set(0, 0, static_cast<std::int16_t>(1 - s.cells.at(0, 0)));
        } else if (fault == "counter_wrap") {
            s.step_number = std::numeric_limits<std::int16_t>::min();
        } else if (fault == "grid_access") {
            (void)s.cells.at(Grid::kMaxIndex + 1, 3);
        }
    }

    void check() const
    {
        const BoardState& s = form_.state;
        int live = 0;
        for (int i = 0; i <= Grid::kMaxIndex; ++i) {
            for (int j = 0; j <= Grid::kMaxIndex; ++j) {
                const std::int16_t cell = s.cells.at(i, j);
                require(cell == 0 || cell == 1, "a cell holds a value other than 0 and 1");
                require(s.next_cells.at(i, j) == 0, "next_cells is not all zero between generations");
                if (on_board(i, j)) {
                    require(s.last_cells.at(i, j) == cell, "last_cells differs from the drawn board");
                    live += cell;
                } else {
                    require(cell == outside_.at(i, j), "a cell outside the board changed without a press");
                    require(s.last_cells.at(i, j) == 0, "last_cells holds a cell outside the board");
                }
            }
        }
        require(s.live_count == live, "live_count differs from the live cells of the board");
        require(s.step_number >= 0, "the generation number went negative");
        require(s.birth_count == s.survive_count && (s.birth_count == 2 || s.birth_count == 3),
                "the thresholds are not both 2 or both 3");
        require(s.heredity == 0.0F || s.heredity == 2.0F || s.heredity == 3.0F, "heredity is not 0, 2 or 3");
        require(s.cell_size == 10 && s.grid_size == kSide, "a setting of the load changed");
    }

    FuzzedDataProvider& input_;
    RandomSource fixed_;
    NullCanvas canvas_;
    Form form_{canvas_, *this};
    Grid outside_; // cells outside the board as the presses left them
    mutable long reads_ = 0; // of the check box: one per cell drawn
    int ticked_ = 0;
    int passes_ = 0;
    int depth_ = 0;
};

} // namespace
} // namespace tavrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    tavrel::Session(input).run_actions();
    return 0;
}
