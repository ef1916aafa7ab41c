// A buffer of bytes, as files, request bodies and answers carry them.
#pragma once

#include <vector>

using NSData = std::vector<unsigned char>;
