#pragma once
#include "output.h"
namespace gen {
void makeAudio(const Folders& folders);
}
