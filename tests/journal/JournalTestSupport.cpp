#include "JournalTestSupport.h"

#include "journal/JournalQuery.h"
#include "journal/JournalRecorder.h"
#include "orders/OrderTestLines.h"
#include "printing/MemorySink.h"

namespace rotulano::test {

journal::JobEntry jobEntry(const std::string& sha) {
    journal::JobEntry entry;
    entry.program = "rotulano-render";
    entry.user = "maria";
    entry.orderFile = "PEDIDO.txt";
    entry.orderNumber = "004711";
    entry.supplier = "CONFECÇÕES ALVORADA LTDA";
    entry.orderSha256 = sha;
    entry.model = 5;
    entry.port = "LPT1";
    entry.destination = "tcp://127.0.0.1:9100";
    return entry;
}

printing::JobRequest jobOfRows(int count) {
    printing::JobRequest request;
    request.orderNumber = "004711";
    request.settings.setModel(5);
    for (int row = 1; row <= count; ++row) {
        request.rows.push_back({row, itemLine('1', "000002"), 2});
    }
    return request;
}

RecordedJob runRecorded(journal::Journal& journal, const printing::JobRequest& request,
                        const std::string& sha) {
    RecordedJob recorded;
    std::map<int, journal::RowState> earlier;
    if (journal.database().isOpen()) {
        journal::rowsOfOrder(journal.database(), sha, earlier);
    }
    journal::JournalRecorder recorder(
        journal, jobEntry(sha), earlier,
        [&](const std::string& message) { recorded.messages.push_back(message); });
    printing::MemorySink sink;
    printing::PrintEngine engine(sink);
    engine.setRecorder(&recorder);
    printing::JobObserver observer;
    recorded.report = engine.run(request, observer);
    recorded.bytes = sink.bytes();
    return recorded;
}

std::string bytesWithoutJournal(const printing::JobRequest& request) {
    printing::MemorySink sink;
    printing::PrintEngine engine(sink);
    printing::JobObserver observer;
    engine.run(request, observer);
    return sink.bytes();
}

std::vector<std::string> rowStates(const std::string& path, long long jobId) {
    journal::Database db;
    std::vector<std::string> states;
    if (db.open(path, true) != SQLITE_OK) {
        return {"journal not opened"};
    }
    journal::Statement query(db,
                             "SELECT row_number, state FROM job_row WHERE job_id = ?1 ORDER BY id");
    query.bind(1, jobId);
    while (query.step() == SQLITE_ROW) {
        states.push_back(std::to_string(query.integer(0)) + ":" + query.text(1));
    }
    return states;
}

}  // namespace rotulano::test
