// network-soak: a long run of print jobs to a network printer stand-in that stalls,
// reads slowly, closes or resets mid-row, closes between rows and stops accepting, at
// random from a seed, with the limits scaled down. Prints the tallies; exits 1 when a
// row was lost or printed again without a word, 2 on a bad command line.
//
//   network-soak [--rows N] [--seed S] [--model M]
#include <QCommandLineParser>
#include <QCoreApplication>
#include <iostream>

#include "NetworkSoak.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Print jobs to a network printer that misbehaves at random."));
    parser.addHelpOption();
    const QCommandLineOption rows(QStringLiteral("rows"), QStringLiteral("Rows to print."),
                                  QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the printer's conducts."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption model(QStringLiteral("model"),
                                   QStringLiteral("Printer model (5: a Zebra)."),
                                   QStringLiteral("M"), QStringLiteral("5"));
    parser.addOptions({rows, seed, model});
    parser.process(app);
    rotulano::test::SoakSettings settings;
    bool rowsOk = false;
    bool seedOk = false;
    bool modelOk = false;
    settings.rows = parser.value(rows).toInt(&rowsOk);
    settings.seed = parser.value(seed).toUInt(&seedOk);
    settings.model = parser.value(model).toInt(&modelOk);
    settings.samplesDir = ROTULANO_SAMPLES;
    if (!rowsOk || !seedOk || !modelOk || settings.rows < 1) {
        std::cerr << "network-soak: --rows, --seed and --model take a number\n";
        return 2;
    }
    const rotulano::test::SoakRun run = rotulano::test::runNetworkSoak(settings);
    std::cout << rotulano::test::describeSoak(settings, run);
    return run.tally.faults() == 0 ? 0 : 1;
}
