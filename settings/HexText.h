// Hex text back to bytes: the decoding that the panel's reader and the job
// filter share. It needs nothing of the panel or the platform.
#pragma once

#include <cstdint>

// The reverse of myitoa over n characters of `source`: writes ceil(n / 2)
// bytes and a zero byte into `destination`. Upper-case digits decode exactly;
// other characters decode by the same arithmetic, whatever it gives.
void myatoi(const char* source, unsigned char* destination, uint32_t n);
