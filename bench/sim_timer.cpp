// The simulated board's timer set longer than any measurement.
#include "board_ops.h"
#include "sim_board.h"

void SetTimerNeverClears() { SimBoardSetTimerLength(2 * TIMER_POLL_LIMIT); }
