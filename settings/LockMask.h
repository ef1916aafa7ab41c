// The lock mask of the panel: one bit for each lock button that is on. The
// print settings and the remembered defaults carry the same mask.
#pragma once

#include <cstdint>

class NelvoPrintPdeZlm420kJC;

// A button is on when its state is not 0; an absent button is off.
uint32_t lockMaskOf(const NelvoPrintPdeZlm420kJC& panel);
