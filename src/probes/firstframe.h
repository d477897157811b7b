#pragma once

// For the start-up benchmark: when KELVARIN_REPORT_FIRST_FRAME is set, the
// program writes the line "first intro frame painted" to standard output once
// the intro's picture has first been painted and put on the screen. Without
// the variable nothing is watched.

namespace probes {

void watchFirstIntroFrame();

} // namespace probes
