#include "host/terminal/ScreenDump.h"

#include <unistd.h>
#include <cerrno>

#include "host/terminal/Canvas.h"

namespace host {

DumpingTerminal::DumpingTerminal(Terminal& inner, int descriptor) : inner_(inner), descriptor_(descriptor) {}

void DumpingTerminal::show(const Canvas& canvas) {
    inner_.show(canvas);
    if (descriptor_ < 0) return;
    const std::string record = screenRecord(canvas);
    size_t written = 0;
    while (written < record.size()) {
        const ssize_t count = ::write(descriptor_, record.data() + written, record.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            descriptor_ = -1;
            return;
        }
        written += static_cast<size_t>(count);
    }
}

std::string screenRecord(const Canvas& canvas) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string record = "screen " + std::to_string(canvas.rows()) + " " + std::to_string(canvas.columns()) + "\n";
    const CursorPlace& cursor = canvas.cursor();
    record += "cursor " + std::to_string(cursor.row) + " " + std::to_string(cursor.column) + " " +
              (cursor.visible ? "1" : "0") + "\n";
    for (int row = 0; row < canvas.rows(); ++row)
        record += "text " + canvas.rowText(row) + "\n";
    for (int row = 0; row < canvas.rows(); ++row) {
        record += "style ";
        for (int column = 0; column < canvas.columns(); ++column)
            record += kHexDigits[canvas.at(row, column).style & 0xF];
        record += "\n";
    }
    record += "end\n";
    return record;
}

}  // namespace host
