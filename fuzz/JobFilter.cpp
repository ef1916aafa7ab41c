// The job filter over any options and document: the input up to its first
// zero byte is CUPS's option argument, the rest the document. A refused job
// writes nothing; a written ticket is made of the ticket's own lines only,
// and carries none of the fixed-key forms, which anyone holding the fixed
// key could read back to the clear pass code, password or folder pass code.
#include <sys/mman.h>
#include <unistd.h>

#include <sstream>
#include <string>

#include "filter/JobFilter.h"
#include "filter/JobKeys.h"
#include "fuzz/FuzzSupport.h"

namespace {

// A file in memory holding `bytes`, read from its start.
int memoryFile(const std::string& bytes) {
    const int descriptor = memfd_create("fuzz", MFD_CLOEXEC);
    FUZZ_EXPECT(descriptor >= 0);
    FUZZ_EXPECT(write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    lseek(descriptor, 0, SEEK_SET);
    return descriptor;
}

std::string contentsOf(int descriptor) {
    std::string bytes(static_cast<size_t>(lseek(descriptor, 0, SEEK_END)), '\0');
    FUZZ_EXPECT(pread(descriptor, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
    return bytes;
}

bool isTicketLine(const std::string& line) {
    return line.rfind("\x1B%-12345X@PJL JOB NAME=\"", 0) == 0 || line.rfind("@PJL SET ", 0) == 0 ||
           line.rfind("@PJL ENTER LANGUAGE=", 0) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = fuzz_support::textOf(data, size);
    const size_t split = std::min(input.find('\0'), input.size());
    const std::string options = input.substr(0, split);
    const std::string document = split < input.size() ? input.substr(split + 1) : "";

    const int in = memoryFile(document);
    const int out = memoryFile("");
    std::ostringstream errors;
    const int status = runJobFilter({"1", "alice", "report", "1", options}, in, out, errors);
    const std::string written = contentsOf(out);
    close(in);
    close(out);
    if (status != 0) {
        FUZZ_EXPECT(written.empty());
        FUZZ_EXPECT(errors.str().rfind("ERROR: ", 0) == 0);
        return 0;
    }
    const size_t headerEnd = written.find("@PJL ENTER LANGUAGE=");
    FUZZ_EXPECT(headerEnd != std::string::npos);
    std::istringstream header(written.substr(0, headerEnd));
    for (std::string line; std::getline(header, line);)
        FUZZ_EXPECT(!line.empty() && line.back() == '\r' && isTicketLine(line));
    for (const char* fixedKeyForm : {"jobSuspend2Key", "password2", "folderPassword2", "userNumber2", "accountNumber2",
                                     "loginName11", "loginName12"}) {
        const auto value = valueOf(panelKeysOf(options), std::string("nelvo.print.PrintSettings.") + fixedKeyForm);
        FUZZ_EXPECT(!value || value->size() < 8 || written.substr(0, headerEnd).find(*value) == std::string::npos);
    }
    return 0;
}
