#include "board/grid.h"

#include "board/check.h"

#include <string>

namespace tavrel {

void Grid::fail_index(int i, int j)
{
    fail_check("grid index (" + std::to_string(i) + ", " + std::to_string(j) + ") outside 0..40");
}

} // namespace tavrel
