#include "filter/DocumentStream.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace {

// One read, repeated when a signal interrupts it; 0 at the end of the input.
size_t readSome(int input, char* into, size_t size) {
    for (;;) {
        const ssize_t got = ::read(input, into, size);
        if (got >= 0) return static_cast<size_t>(got);
        if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "cannot read the document");
    }
}

}  // namespace

size_t readAtLeast(int input, std::vector<char>& buffer, size_t wanted) {
    size_t held = 0;
    while (held < wanted && held < buffer.size()) {
        const size_t got = readSome(input, buffer.data() + held, buffer.size() - held);
        if (got == 0) break;
        held += got;
    }
    return held;
}

void writeAll(int output, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(output, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            throw std::system_error(errno, std::generic_category(), "cannot write the job");
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

size_t copyRest(int input, int output, std::vector<char>& buffer) {
    size_t copied = 0;
    while (const size_t got = readSome(input, buffer.data(), buffer.size())) {
        writeAll(output, std::string_view(buffer.data(), got));
        copied += got;
    }
    return copied;
}
