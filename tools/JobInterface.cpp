#include "tools/JobInterface.h"

#include <httplib.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "tools/JobStore.h"

namespace {

nlohmann::json jsonOf(const JobListing& job) {
    nlohmann::json object = {
        {"id", job.id},         {"name", job.name},   {"user", job.user},       {"retention", job.retention},
        {"folder", job.folder}, {"state", job.state}, {"account", job.account}, {"bytes", job.bytes}};
    if (!job.reason.empty()) object["reason"] = job.reason;
    return object;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string panelPage(const std::vector<JobListing>& jobs) {
    std::ostringstream page;
    page << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Jobs</title></head><body>\n"
         << "<h1>Jobs</h1>\n<table>\n<tr><th>Job</th><th>Name</th><th>User</th><th>Retention</th><th>Folder</th>"
            "<th>State</th><th></th></tr>\n";
    for (const JobListing& job : jobs) {
        page << "<tr><td>" << job.id << "</td><td>" << escaped(job.name) << "</td><td>" << escaped(job.user)
             << "</td><td>" << job.retention << "</td><td>" << escaped(job.folder) << "</td><td>" << job.state
             << (job.reason.empty() ? "" : ": " + escaped(job.reason)) << "</td><td>";
        if (job.state == "held" || job.state == "kept")
            page << "<form method=\"post\" action=\"/jobs/" << job.id << "/release\">"
                 << "<input name=\"passcode\" inputmode=\"numeric\" autocomplete=\"off\">"
                 << "<button>Release</button></form>";
        page << "</td></tr>\n";
    }
    page << "</table>\n</body></html>\n";
    return page.str();
}

int statusOf(JobAction action) {
    switch (action) {
        case JobAction::done: return 200;
        case JobAction::wrongPassCode: return 403;
        case JobAction::noSuchJob: return 404;
        case JobAction::notHeld: break;
    }
    return 409;
}

constexpr const char* kStatusText[] = {"done\n", "wrong pass code\n", "no such job\n", "not held\n"};

}  // namespace

void addJobRoutes(httplib::Server& server, JobStore& store) {
    server.Get("/jobs", [&store](const httplib::Request&, httplib::Response& response) {
        nlohmann::json list = nlohmann::json::array();
        for (const JobListing& job : store.jobs())
            list.push_back(jsonOf(job));
        response.set_content(list.dump() + "\n", "application/json");
    });
    server.Post(R"(/jobs/(\d{1,9})/(release|delete))",
                [&store](const httplib::Request& request, httplib::Response& response) {
                    const int id = std::stoi(request.matches[1]);
                    const std::string passCode = request.get_param_value("passcode");
                    const JobAction action =
                        request.matches[2] == "release" ? store.release(id, passCode) : store.remove(id, passCode);
                    response.status = statusOf(action);
                    response.set_content(kStatusText[static_cast<int>(action)], "text/plain");
                });
    server.Get("/", [&store](const httplib::Request&, httplib::Response& response) {
        response.set_content(panelPage(store.jobs()), "text/html; charset=utf-8");
    });
}
