// The device's job interface on its HTTP port: the job list as JSON, the
// release and delete of held jobs by pass code, and the page a person sees
// at the device's panel.
#pragma once

namespace httplib {
class Server;
}
class JobStore;

// GET /jobs, POST /jobs/ID/release, POST /jobs/ID/delete (form body
// "passcode=DIGITS": 200, 403 for a wrong pass code, 404 for no such job,
// 409 for a job that is not held), GET / (HTML).
void addJobRoutes(httplib::Server& server, JobStore& store);
