#pragma once

#include <string>
#include <vector>

#include "orders/OrderTestLines.h"
#include "printing/MemorySink.h"
#include "printing/PrintEngine.h"

// Jobs of small adhesives (no logo) for the destination tests, and the bytes each of
// their rows sends when nothing but the job's own bytes goes out.
namespace rotulano::test {

// `count` rows of small adhesives, 1 to `count` labels, on `model` at `port`.
inline printing::JobRequest adhesives(int count, int port, int model = 5) {
    printing::JobRequest request;
    request.orderNumber = "004711";
    request.settings = core::PrinterSettings::defaults();
    request.settings.setModel(model);
    request.settings.setPort(port);
    for (int row = 1; row <= count; ++row) {
        request.rows.push_back({row, itemLine('2'), row});
    }
    return request;
}

// What the job sends for each row, as the memory sink collects it.
inline std::vector<std::string> bytesOfEachRow(const printing::JobRequest& request) {
    std::vector<std::string> rows;
    for (const printing::JobRow& row : request.rows) {
        printing::JobRequest one = request;
        one.rows = {row};
        printing::MemorySink memory;
        printing::JobObserver observer;
        printing::PrintEngine(memory).run(one, observer);
        rows.push_back(memory.bytes());
    }
    return rows;
}

// The bytes each row of `request` sends when it goes out as one job: the logo
// download goes with the first row that shows the logo.
inline std::vector<std::string> bytesOfJobRows(const printing::JobRequest& request,
                                               const std::string& logoDir = {}) {
    class RowBytes : public printing::JobObserver {
      public:
        explicit RowBytes(const printing::MemorySink& sink) : sink_(sink) {}
        void rowStarting(int, int, const printing::JobRow&, const core::LabelRequest&) override {
            start_ = sink_.bytes().size();
        }
        void rowEnded(const printing::RowReport&, long long) override {
            rows.push_back(sink_.bytes().substr(start_));
        }
        std::vector<std::string> rows;

      private:
        const printing::MemorySink& sink_;
        std::size_t start_ = 0;
    };
    printing::MemorySink sink;
    printing::PrintEngine engine(sink, logoDir);
    RowBytes rows(sink);
    engine.run(request, rows);
    return rows.rows;
}

}  // namespace rotulano::test
