#pragma once

#include "display/check_box_value.h"

namespace tavrel::testing {

// A check box whose value the test sets, counting how often it was read.
class FakeCheckBox final : public CheckBoxValue {
public:
    explicit FakeCheckBox(int ticked = 0) : ticked_(ticked) {}
    [[nodiscard]] int value() const override
    {
        ++reads;
        return ticked_;
    }
    void set(int ticked) { ticked_ = ticked; }
    mutable int reads = 0;

private:
    int ticked_;
};

} // namespace tavrel::testing
