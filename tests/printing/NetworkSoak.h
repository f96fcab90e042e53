#pragma once

#include <chrono>
#include <map>
#include <string>

#include "NetworkPrinter.h"
#include "SoakTally.h"
#include "config/PortsTable.h"
#include "printing/PrintEngine.h"
#include "printing/SystemDestinations.h"

namespace rotulano::test {

// A long run of print jobs to a network printer that misbehaves at random, with the
// limits scaled down: how many rows were lost or printed twice without a word.
struct SoakSettings {
    int rows = 300;
    unsigned seed = 1;
    std::chrono::milliseconds stall{500};
    std::chrono::milliseconds closeWait{300};
    // The operator's moment between a job that failed and the next click.
    std::chrono::milliseconds operatorPause{20};
    int model = 5;           // a Zebra: ZPL, with the logo
    std::string samplesDir;  // PEDIDO.txt and the logo files
    ConductMix mix;
};

struct SoakRun {
    SoakTally tally;
    int jobs = 0;
    int givenUp = 0;       // rows still failing after many tries
    bool settled = false;  // the printer was idle at the end
    double seconds = 0;
    std::map<Conduct::Kind, int> conducts;  // connections that met each conduct
};

// A ports file whose LPT1 is `printer`, asked for its status before each row or not.
config::PortsTable portsFor(const NetworkPrinter& printer, bool statusCheck);

// One click on "Imprimir", as the window makes it: a fresh engine whose rows go through
// the ports file's destination sink (the usual port sink, with a print folder of its
// own, for a port without an entry) to `destinations`; a job's settings say LPT1.
printing::JobReport printThroughPorts(const config::PortsTable& ports,
                                      const printing::JobRequest& request,
                                      printing::SystemDestinations& destinations,
                                      const std::string& logoDir, printing::JobObserver& observer);

// Prints `settings.rows` rows, each with label bytes of its own (the sample order's
// items with the quantity of each row), through the print engine, the ports file's
// destination sink and the system's destinations, as the window prints them, to a
// printer on 127.0.0.1 with the conducts of the seed. A job that fails stops; the
// remaining rows go out as a new job, the failed row with them unless the message
// warned that the printer may have part of it.
SoakRun runNetworkSoak(const SoakSettings& settings);

// The scale, the conducts met, the tallies and the wall time, for a person.
std::string describeSoak(const SoakSettings& settings, const SoakRun& run);

}  // namespace rotulano::test
