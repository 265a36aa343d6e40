#pragma once

#include "board/board_state.h"

#include <string_view>

namespace tavrel::bench {

// The fixed boards every benchmark runs on, by the name it carries:
// "empty", "mid" (a board the program itself reached in a continuous run,
// 152 live cells) and "full" (all 625 board cells live).
enum class BoardKind { empty, mid, full };

[[nodiscard]] std::string_view board_name(BoardKind kind);

// The state as the load event leaves it, with the board's cells set.
[[nodiscard]] BoardState loaded_state(BoardKind kind);

} // namespace tavrel::bench
