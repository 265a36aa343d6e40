#include "board/check.h"

namespace tavrel {

void fail_check(const std::string& what)
{
    throw CheckFailure(what);
}

} // namespace tavrel
