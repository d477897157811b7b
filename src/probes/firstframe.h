#pragma once

// For the start-up benchmark: when KELVARIN_REPORT_FIRST_FRAME is set, the
// program writes the line "first intro frame painted" to standard output when
// the first frame showing the intro's picture goes to the screen: the first
// frame of its dissolve, or the painted window when it appears without one.
// Without the variable nothing is watched.

namespace probes {

void watchFirstIntroFrame();

} // namespace probes
