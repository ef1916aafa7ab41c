// The icons that the system shows for four-character file type codes, at
// the size of a lock button.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/controls/NSImage.h"

class NSBundle;

// The closed and the open padlock of the lock buttons.
inline constexpr uint32_t kLockedIconType = 0x6C6F636B;    // 'lock'
inline constexpr uint32_t kUnlockedIconType = 0x756C636B;  // 'ulck'

inline constexpr double kLockIconPoints = 18;

// A new image of 18 x 18 points for the type code, drawn from the PNG file
// that `bundle` keeps under the code's four characters ("lock.png"); none
// when there is no bundle, the code is not four letters or digits, or the
// bundle has no such file.
std::shared_ptr<NSImage> initWithSystemIconType(uint32_t fourCharCode, const NSBundle* bundle);
