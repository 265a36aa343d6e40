#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace tavrel {

FontWarmUp::FontWarmUp()
{
    try {
        // The library keeps the configuration it reads as its current one,
        // which the toolkit's font database then uses.
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the fonts are read when first needed instead.
    }
}

FontWarmUp::~FontWarmUp()
{
    finish();
}

void FontWarmUp::finish()
{
    if (reader_.joinable()) {
        reader_.join();
    }
}

} // namespace tavrel
