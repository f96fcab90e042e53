#pragma once

#include <string>
#include <vector>

#include "journal/Journal.h"
#include "window/PrintJobTestSupport.h"

// A main window over an order of five small adhesives whose print journal the test writes
// first, as earlier jobs (or a crash) left it.
namespace rotulano::test {

// The order's item lines: small adhesives of 10, 20, 30, 40 and 50 labels; with
// `amendedRow`, that row asks for one label more (another version of the same order).
std::vector<std::string> adhesiveItems(int amendedRow = 0);

class JournalWindow : public PrintJobWindow {
  public:
    // Opens the window (a Zebra on LPT1, `language` 1 Portuguese, 2 English) and writes the
    // order file of `items`, not loaded yet.
    explicit JournalWindow(const std::vector<std::string>& items = adhesiveItems(),
                           int language = 1);

    // Writes the order file again (another version), not loaded.
    void writeOrder(const std::vector<std::string>& items);
    // Loads the order file through W-NOME-COMPLETO, as the operator chooses it.
    void load();

    std::string orderPath() { return dir.file("PEDIDO.txt"); }
    std::string journalPath() { return dir.file(journal::kJournalFileName); }
    std::string orderSha();

    // One job of the order file as it is now: `printed` rows printed, then `sending` rows
    // left "sending" (the program stopped there). Every entry's time becomes `time`.
    void recordJob(const std::vector<int>& printed, const std::vector<int>& sending = {},
                   const std::string& time = "2026-12-09 14:32:05");

    // The journal line over the grid, as UTF-8; "" while hidden.
    std::string journalLine();
    // One text per stored answer: "row:question:answer".
    std::vector<std::string> answers();

    std::vector<std::string> orderItems;
};

}  // namespace rotulano::test
