#pragma once

#include <thread>

namespace tavrel {

// Reads the font configuration on a second thread while the application
// connects to the display, which is mostly waiting on the server. The
// window needs fonts for its first drawing; with the configuration already
// read, they are there sooner.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits until the configuration has been read.
    void finish();

private:
    std::thread reader_;
};

} // namespace tavrel
