#pragma once

#include "board/random_source.h"
#include "control/form.h"
#include "control/runtime.h"
#include "display/recording_canvas.h"

#include <functional>
#include <vector>

namespace tavrel::testing {

// A runtime without a window: scripted or fixed-seed random numbers, a hook
// that stands for the events queued during a pass, and counters.
class FakeRuntime final : public Runtime {
public:
    float next_random()
    {
        ++random_draws;
        if (!script.empty()) {
            const float r = script.front();
            script.erase(script.begin());
            return r;
        }
        return source_.next();
    }
    UniformSource& random() override { return counted_; }
    void do_events() override
    {
        ++yields;
        if (on_yield) {
            on_yield(yields);
        }
    }
    void end() override { ++ends; }
    void beep() override { ++beeps; }
    [[nodiscard]] int value() const override
    {
        if (on_read_check_box) {
            on_read_check_box();
        }
        return ticked;
    }

    std::vector<float> script; // used first, then the fixed-seed sequence
    std::function<void(int)> on_yield;
    std::function<void()> on_read_check_box;
    int ticked = 0;
    int random_draws = 0;
    int yields = 0;
    int ends = 0;
    int beeps = 0;

private:
    class Counted final : public UniformSource {
    public:
        explicit Counted(FakeRuntime& runtime) : runtime_(runtime) {}
        float next() override { return runtime_.next_random(); }

    private:
        FakeRuntime& runtime_;
    };
    RandomSource source_;
    Counted counted_{*this};
};

// A form with a recording canvas and a fake runtime, loaded.
struct TestForm {
    TestForm();
    RecordingCanvas canvas;
    FakeRuntime runtime;
    Form form{canvas, runtime};
    BoardState& s = form.state;

    // Number of drawings so far (each ends with the threshold line).
    [[nodiscard]] int drawings() const;
};

} // namespace tavrel::testing
