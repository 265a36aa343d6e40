#pragma once

namespace tavrel {

// Read access to the check box that asks for dead cells to be marked:
// 0 when clear, 1 when ticked.
class CheckBoxValue {
public:
    CheckBoxValue() = default;
    CheckBoxValue(const CheckBoxValue&) = delete;
    CheckBoxValue& operator=(const CheckBoxValue&) = delete;
    virtual ~CheckBoxValue() = default;

    [[nodiscard]] virtual int value() const = 0;
};

} // namespace tavrel
