// The device's raw print port (AppSocket, what CUPS's socket backend
// speaks): each connection carries one job, sent whole and closed; the job
// goes to the store. Connections are taken one at a time, as the device
// prints one job at a time; later ones wait in the listen queue.
#pragma once

#include <string>
#include <thread>

class JobStore;

class PrintPort {
public:
    // Listens on `host`:`port` (0 takes a free port). Throws
    // std::runtime_error when the port cannot be had.
    PrintPort(JobStore& store, const std::string& host, int port);
    ~PrintPort();
    PrintPort(const PrintPort&) = delete;
    PrintPort& operator=(const PrintPort&) = delete;

    int port() const { return port_; }

private:
    void serve();
    void takeJob(int connection);

    JobStore& store_;
    int listening_ = -1;
    int port_ = 0;
    int stopPipe_[2] = {-1, -1};  // written once to stop the thread
    std::thread thread_;
};
