#pragma once

// A player who clicks through the game on a real display, for the memory and
// CPU benchmarks: `tour` goes through the intro, the flea market and towns 1
// to 3 and ends; `idle` reaches the trail screen, does nothing for a while
// and prints "idle cpu percent N" on standard output.

int playScripted(int argc, char** argv, const char* mode);
