#include "fake_runtime.h"

#include "control/procedures.h"

#include <algorithm>

namespace tavrel::testing {

TestForm::TestForm()
{
    Form_Load(form);
}

int TestForm::drawings() const
{
    const auto& calls = canvas.calls();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [](const RecordingCanvas::Call& call) {
        return call.op == RecordingCanvas::Op::pset && call.y1 == 180.0F;
    }));
}

} // namespace tavrel::testing
