#pragma once

namespace rotulano::printing {

struct JobRequest;
struct JobRow;
struct RowReport;
struct JobReport;

// What a print job tells a record of its rows (the print journal), on the thread it runs
// on: the job's start, each row just before its first byte leaves, each row's outcome and
// the job's end. A recorder that cannot keep its entries says so in its own way; the job
// never waits for it to decide.
class JobRecorder {
  public:
    virtual ~JobRecorder() = default;
    virtual void jobStarted(const JobRequest& request) = 0;
    virtual void rowSending(const JobRow& row, long long labels) = 0;
    virtual void rowOutcome(const RowReport& report) = 0;
    virtual void jobEnded(const JobReport& report) = 0;
};

}  // namespace rotulano::printing
