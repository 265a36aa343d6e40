// Turns its input into what a user does to the form: New, Go, Run (with
// Stop, presses, New, Go and further Runs arriving while it yields), Stop,
// presses at any single-precision X and Y, ticking the check box and Exit.
// After every action it checks what must always hold of the board state and
// aborts with a message when something does not. A failed grid or counter
// check inside the program throws; the exception is left to abort too.
//
// Input: a stream of action codes, each followed by the bytes it needs. The
// random numbers the procedures draw come from the same stream while it
// lasts (always in [0, 1), like the real ones), then from the fixed sequence.
//
// TAVREL_FUZZ_PLANT=<fault> plants one fault after every action, so that a
// run shows the check meant to catch it really fails (tools/fuzz does this
// for each fault before fuzzing).
#include "board/random_source.h"
#include "control/form.h"
#include "control/procedures.h"
#include "display/recording_canvas.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

namespace tavrel {
namespace {

constexpr int kLastIndex = Grid::kMaxIndex;
constexpr int kBoardSide = 25;
// Passes of all runs of one input: enough to see patterns grow, die and be
// edited, few enough for a few hundred inputs a second. Once they are used
// up, every run stops at its first yield.
constexpr int kMaxPasses = 200;
constexpr int kMaxRunDepth = 6;
constexpr std::int16_t kLastStep = std::numeric_limits<std::int16_t>::max();

[[noreturn]] void violated(const char* what)
{
    std::fprintf(stderr, "invariant violated: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

void require(bool holds, const char* what)
{
    if (!holds) {
        violated(what);
    }
}

enum class Plant { none, cell_value, next_cells, live_count, outside_cell, counter_wrap, grid_access, unfinite_press };

Plant planted_fault()
{
    static const Plant plant = [] {
        const char* name = std::getenv("TAVREL_FUZZ_PLANT");
        if (name == nullptr || *name == '\0') {
            return Plant::none;
        }
        constexpr std::pair<const char*, Plant> kNames[] = {
            {"cell_value", Plant::cell_value},     {"next_cells", Plant::next_cells},
            {"live_count", Plant::live_count},     {"outside_cell", Plant::outside_cell},
            {"counter_wrap", Plant::counter_wrap}, {"grid_access", Plant::grid_access},
            {"unfinite_press", Plant::unfinite_press},
        };
        for (const auto& [known, value] : kNames) {
            if (std::strcmp(name, known) == 0) {
                return value;
            }
        }
        violated("TAVREL_FUZZ_PLANT names no fault");
    }();
    return plant;
}

bool on_board(int i, int j)
{
    return i >= 1 && i <= kBoardSide && j >= 1 && j <= kBoardSide;
}

bool on_edge(int i, int j)
{
    return on_board(i, j) && (i == 1 || j == 1 || i == kBoardSide || j == kBoardSide);
}

int live_on_board(const Grid& grid)
{
    int live = 0;
    for (int i = 1; i <= kBoardSide; ++i) {
        for (int j = 1; j <= kBoardSide; ++j) {
            live += grid.at(i, j);
        }
    }
    return live;
}

// Cells that differ between two grids.
int differences(const Grid& a, const Grid& b)
{
    int count = 0;
    for (int i = 0; i <= kLastIndex; ++i) {
        for (int j = 0; j <= kLastIndex; ++j) {
            count += a.at(i, j) != b.at(i, j) ? 1 : 0;
        }
    }
    return count;
}

class Session;

// The runtime of the window, driven by the session: the check box, the
// random numbers and the events queued during a run come from the input_.
class FuzzedRuntime final : public Runtime {
public:
    explicit FuzzedRuntime(Session& session) : session_(session), source_(session) {}
    UniformSource& random() override { return source_; }
    void do_events() override;
    void end() override {}
    void beep() override;
    [[nodiscard]] int value() const override;

private:
    class Source final : public UniformSource {
    public:
        explicit Source(Session& session) : session_(session) {}
        float next() override;

    private:
        Session& session_;
    };
    Session& session_;
    Source source_;
};

class Session {
public:
    explicit Session(FuzzedDataProvider& input);

    void run_actions();
    // The events queued while a pass of a run was computed and drawn.
    void queued_events();
    float next_random();
    [[nodiscard]] int read_check_box() const;
    void beeped() { ++beeps_; }

private:
    enum class Action { new_pattern, go, run, stop, raw_press, board_press, check_box, long_history, exit };

    Action next_action();
    void perform(Action action);
    void stop();
    void press(float x, float y);
    void go();
    void run();
    void new_pattern();
    void plant_fault();
    void check_invariants() const;

    FuzzedDataProvider& input_;
    RandomSource fixed_random_;
    RecordingCanvas canvas_;
    FuzzedRuntime runtime_{*this};
    Form form_{canvas_, runtime_};
    Grid outside_; // cells outside the board as the presses left them
    mutable long check_box_reads_ = 0;
    int ticked_ = 0;
    int beeps_ = 0;
    int passes_ = 0;
    int run_depth_ = 0;
};

void FuzzedRuntime::do_events()
{
    session_.queued_events();
}

void FuzzedRuntime::beep()
{
    session_.beeped();
}

int FuzzedRuntime::value() const
{
    return session_.read_check_box();
}

float FuzzedRuntime::Source::next()
{
    return session_.next_random();
}

Session::Session(FuzzedDataProvider& input) : input_(input)
{
    canvas_.set_recording(false);
}

int Session::read_check_box() const
{
    ++check_box_reads_;
    return ticked_;
}

float Session::next_random()
{
    if (input_.remaining_bytes() == 0) {
        return fixed_random_.next();
    }
    constexpr std::uint32_t kSteps = 1U << 24U;
    return static_cast<float>(input_.ConsumeIntegralInRange<std::uint32_t>(0, kSteps - 1)) /
           static_cast<float>(kSteps);
}

Session::Action Session::next_action()
{
    switch (input_.ConsumeIntegralInRange(0, 15)) {
    case 0:
    case 1: return Action::new_pattern;
    case 2:
    case 3: return Action::go;
    case 4:
    case 5: return Action::run;
    case 6: return Action::stop;
    case 7:
    case 8: return Action::raw_press;
    case 9:
    case 10:
    case 11: return Action::board_press;
    case 12: return Action::check_box;
    case 13: return Action::long_history;
    case 14: return input_.ConsumeBool() ? Action::exit : Action::stop;
    default: return Action::go;
    }
}

void Session::run_actions()
{
    Form_Load(form_);
    check_invariants();
    require(form_.state.step_number == 0 && form_.state.live_count == 0, "load leaves generation 0, no cell");
    while (input_.remaining_bytes() > 0 && !form_.ended) {
        perform(next_action());
    }
}

void Session::queued_events()
{
    ++passes_;
    check_invariants();
    if (passes_ >= kMaxPasses || input_.remaining_bytes() == 0) {
        // Every run level ends at its next test of the flag.
        perform(Action::stop);
        return;
    }
    const int queued = input_.ConsumeIntegralInRange(0, 3);
    for (int event = 0; event < queued && !form_.ended; ++event) {
        perform(next_action());
    }
}

void Session::perform(Action action)
{
    // The window runs no procedure once the program is ending.
    if (form_.ended) {
        return;
    }
    BoardState& s = form_.state;
    switch (action) {
    case Action::new_pattern: new_pattern(); break;
    case Action::go: go(); break;
    case Action::run: run(); break;
    case Action::stop: stop(); break;
    case Action::raw_press:
        press(std::bit_cast<float>(input_.ConsumeIntegral<std::uint32_t>()),
              std::bit_cast<float>(input_.ConsumeIntegral<std::uint32_t>()));
        break;
    case Action::board_press: {
        // Whole pixels around and on the board, sometimes with a fraction.
        const auto x = static_cast<float>(input_.ConsumeIntegralInRange(-20, 900));
        const auto y = static_cast<float>(input_.ConsumeIntegralInRange(-20, 720));
        const float fraction = input_.ConsumeBool() ? input_.ConsumeFloatingPointInRange(0.0F, 1.0F) : 0.0F;
        press(x + fraction, y + fraction);
        break;
    }
    case Action::check_box: {
        ticked_ = 1 - ticked_;
        break;
    }
    case Action::long_history:
        // Stands for the many generations of a long run on a board that never
        // empties, so the generation counter reaches its end.
        s.step_number = static_cast<std::int16_t>(kLastStep - input_.ConsumeIntegralInRange(0, 3));
        break;
    case Action::exit: Exit_Click(form_); break;
    }
    plant_fault();
    check_invariants();
}

void Session::plant_fault()
{
    BoardState& s = form_.state;
    switch (planted_fault()) {
    case Plant::cell_value: s.cells.set(13, 13, 2); break;
    case Plant::next_cells: s.next_cells.set(20, 20, 1); break;
    case Plant::live_count: ++s.live_count; break;
    case Plant::outside_cell: s.cells.set(0, 0, static_cast<std::int16_t>(1 - s.cells.at(0, 0))); break;
    case Plant::counter_wrap: s.step_number = std::numeric_limits<std::int16_t>::min(); break;
    case Plant::grid_access: (void)s.cells.at(Grid::kSide, 3); break;
    case Plant::none:
    case Plant::unfinite_press: break;
    }
}

void Session::stop()
{
    const BoardState before = form_.state;
    Stop_Click(form_);
    const BoardState& s = form_.state;
    require(s.running == kFalse, "Stop clears the run flag");
    require(s.cells == before.cells && s.step_number == before.step_number, "Stop changes only the flag");
}

void Session::new_pattern()
{
    BoardState& s = form_.state;
    New_Click(form_);
    require(s.step_number == 1 && s.running == kTrue, "New makes generation 1 and sets the run flag");
    int live = 0;
    for (int i = 1; i <= kBoardSide; ++i) {
        for (int j = 1; j <= kBoardSide; ++j) {
            if (s.cells.at(i, j) == 1) {
                ++live;
                require(i >= 12 && i <= 17 && j >= 12 && j <= 17, "New seeds only the square 12..17");
            }
        }
    }
    require(live >= 1 && live <= 10, "New seeds one to ten cells");
}

void Session::go()
{
    BoardState& s = form_.state;
    const BoardState before = s;
    const int beeps_before = beeps_;
    Go_Click(form_);
    if (before.step_number == kLastStep) {
        require(s.step_number == kLastStep && s.cells == before.cells && beeps_ == beeps_before + 1,
                "Go at the last generation number beeps_ and changes nothing");
        return;
    }
    require(s.step_number == before.step_number + 1, "Go advances the generation number by one");
    for (int i = 0; i <= kLastIndex; ++i) {
        for (int j = 0; j <= kLastIndex; ++j) {
            require(!on_edge(i, j) || s.cells.at(i, j) == 0, "a generation clears the edge");
        }
    }
}

void Session::run()
{
    if (run_depth_ >= kMaxRunDepth) {
        return;
    }
    ++run_depth_;
    Run_Click(form_);
    --run_depth_;
    const BoardState& s = form_.state;
    require(form_.ended || s.running != kTrue || s.live_count == 0 || s.step_number == kLastStep,
            "a run ends only when stopped, on an empty board, at the last generation or at the end");
}

void Session::press(float x, float y)
{
    BoardState& s = form_.state;
    const Grid before = s.cells;
    const std::int16_t step_before = s.step_number;
    const long reads_before = check_box_reads_;
    const auto button = input_.ConsumeIntegral<std::int16_t>();
    const auto shift = input_.ConsumeIntegral<std::int16_t>();
    Form_MouseDown(form_, button, shift, x, y);
    if (planted_fault() == Plant::unfinite_press && !(std::isfinite(x) && std::isfinite(y))) {
        s.cells.set(13, 13, static_cast<std::int16_t>(1 - s.cells.at(13, 13)));
    }

    const int changed = differences(before, s.cells);
    const bool drew = check_box_reads_ != reads_before;
    if (changed == 0) {
        require(!drew && s.step_number == step_before, "an ignored press changes nothing and draws nothing");
        // Every point of this box lies in the rectangle of some cell 0..40.
        require(!(x >= 55.5F && x <= 864.5F && y >= 2.0F && y <= 698.0F), "a press on the grids was ignored");
        return;
    }
    require(std::isfinite(x) && std::isfinite(y), "a press at a point that is not finite toggled a cell");
    require(changed == 1 && drew && s.step_number == 0, "a press toggles one cell, sets generation 0 and draws");
    for (int i = 0; i <= kLastIndex; ++i) {
        for (int j = 0; j <= kLastIndex; ++j) {
            if (before.at(i, j) == s.cells.at(i, j)) {
                continue;
            }
            // The toggled cell's rectangle, 20 x 17 around its centre, holds the press.
            const double centre_x = 60.0 + 20.0 * i + ((j % 2 == 0) ? 5.0 : -5.0);
            const double centre_y = 10.0 + 17.0 * j;
            constexpr double kSlack = 1e-3;
            require(std::fabs(x - centre_x) <= 10.0 + kSlack && std::fabs(y - centre_y) <= 8.5 + kSlack,
                    "a press toggled a cell away from the pointer");
            if (!on_board(i, j)) {
                outside_.set(i, j, s.cells.at(i, j));
            }
        }
    }
}

void Session::check_invariants() const
{
    const BoardState& s = form_.state;
    for (int i = 0; i <= kLastIndex; ++i) {
        for (int j = 0; j <= kLastIndex; ++j) {
            const std::int16_t cell = s.cells.at(i, j);
            require(cell == 0 || cell == 1, "a cell holds a value other than 0 and 1");
            require(s.next_cells.at(i, j) == 0, "next_cells is not all zero between generations");
            if (on_board(i, j)) {
                require(s.last_cells.at(i, j) == cell, "last_cells differs from the drawn board");
            } else {
                require(cell == outside_.at(i, j), "a cell outside the board changed without a press");
                require(s.last_cells.at(i, j) == 0, "last_cells holds a cell outside the board");
            }
        }
    }
    require(s.live_count == live_on_board(s.cells), "live_count differs from the live cells of the board");
    require(s.step_number >= 0, "the generation number went negative");
    require(s.birth_count == s.survive_count && (s.birth_count == 2 || s.birth_count == 3),
            "the thresholds are not both 2 or both 3");
    require(s.heredity == 0.0F || s.heredity == 2.0F || s.heredity == 3.0F, "heredity is not 0, 2 or 3");
    require(s.cell_size == 10 && s.grid_size == kBoardSide, "a setting of the load changed");
}

} // namespace
} // namespace tavrel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    tavrel::Session session(input);
    session.run_actions();
    return 0;
}
