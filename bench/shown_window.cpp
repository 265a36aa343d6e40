#include "shown_window.h"

#include <QTest>

#include <memory>
#include <stdexcept>

namespace tavrel::bench {
namespace {

std::unique_ptr<Tavrel>& window_slot()
{
    static std::unique_ptr<Tavrel> window;
    return window;
}

} // namespace

Tavrel& shown_window()
{
    auto& window = window_slot();
    if (!window) {
        window = std::make_unique<Tavrel>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            throw std::runtime_error("the window was never exposed");
        }
    }
    return *window;
}

Form& form_of(Tavrel& window)
{
    // The window hands out its form read-only; it is not itself const, and
    // the benchmarks only do what the event procedures do to it.
    return const_cast<Form&>(window.form());
}

void close_shown_window()
{
    window_slot().reset();
}

} // namespace tavrel::bench
