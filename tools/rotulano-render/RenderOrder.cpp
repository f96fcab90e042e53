#include "rotulano-render/RenderOrder.h"

#include <QCryptographicHash>

#include "core/FileStatusTitles.h"
#include "core/GuardedFile.h"
#include "core/ShownBytes.h"
#include "journal/OrderJournal.h"
#include "orders/OrderFileReader.h"

namespace rotulano::render {

namespace {

std::string statusText(const orders::OrderLoad& load, const std::string& path, const char* what) {
    return "Status [" + load.status + "] Arquivo de Pedidos " + core::shownBytes(path) + ": " +
           what;
}

}  // namespace

bool loadRenderOrder(const std::string& path, RenderOrder& order, std::string& error) {
    const orders::OrderLoad load = orders::OrderFileReader::read(path);
    switch (load.outcome) {
        case orders::LoadOutcome::Loaded:
            order.items = load.items;
            order.orderNumber = load.header.orderNumberDigits();
            order.supplierName = load.header.supplierName;
            order.sha256 = journal::orderFileSha256(path);
            return true;
        case orders::LoadOutcome::OpenFailed:
            // A missing file says so in the words above; any other status (a device, a
            // pipe, a directory, no permission) is named by its cause.
            error = statusText(load, path, "o arquivo não pôde ser aberto");
            if (load.status != core::kStatusNotFound) {
                error += std::string(": ") + core::fileStatusCause(load.status);
            }
            return false;
        case orders::LoadOutcome::ReadFailed:
            error = statusText(load, path, "erro na leitura do arquivo: ") +
                    core::fileStatusCause(load.status);
            return false;
        case orders::LoadOutcome::Message:
            break;
    }
    error = load.message.text.toStdString();
    return false;
}

}  // namespace rotulano::render
