// The device's reading of whatever arrives on its print port: the ticket
// reader keeps the document within the job, and the job store lists every
// job it is given, refused or not, whatever its ticket claims.
#include <chrono>

#include "fuzz/FuzzSupport.h"
#include "tools/JobStore.h"
#include "tools/TicketReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string job = fuzz_support::textOf(data, size);
    if (const auto ticket = readTicket(job)) {
        FUZZ_EXPECT(ticket->documentOffset + ticket->documentLength <= job.size());
        FUZZ_EXPECT(job.compare(0, 9, "\x1B%-12345X") == 0);
    }
    JobStore store(JobPolicy{{{"Projects", "4321"}}, {{"jsmith", "s3cret!"}}, {"12345"}, {}});
    const int id = store.receive(job);
    const auto jobs = store.jobs();
    FUZZ_EXPECT(jobs.size() == 1 && jobs[0].id == id);
    FUZZ_EXPECT(jobs[0].state == "refused" || jobs[0].state == "printed" || jobs[0].state == "held" ||
                jobs[0].state == "kept");
    FUZZ_EXPECT(jobs[0].bytes <= job.size());
    store.release(id, "123");
    return 0;
}
