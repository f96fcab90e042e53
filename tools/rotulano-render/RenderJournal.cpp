#include "rotulano-render/RenderJournal.h"

#include <QString>
#include <algorithm>

#include "config/ParameterFile.h"
#include "config/PrinterLists.h"
#include "journal/JournalQuery.h"
#include "journal/OrderJournal.h"

namespace rotulano::render {

namespace {

std::string rowList(const std::vector<int>& rows) {
    std::string text;
    for (int row : rows) {
        text += (text.empty() ? "" : ", ") + std::to_string(row);
    }
    return text;
}

}  // namespace

std::string renderJournalPath(const RenderOptions& options) {
    if (options.journalPath) {
        return *options.journalPath;
    }
    return journal::journalBesideSettings(
        options.settingsPath.value_or(config::ParameterFile::kFileName));
}

SendJournal::SendJournal(const RenderOptions& options, std::ostream& err)
    : options_(options), err_(err) {
    if (options.noJournal) {
        return;
    }
    journal_.open(renderJournalPath(options));
    if (!journal_.message().empty()) {
        warn(journal_.message());
    }
}

void SendJournal::warn(const std::string& message) {
    err_ << kRenderTag << "aviso: " << message << '\n';
    err_.flush();
}

void SendJournal::readEarlier(const RenderRequest& request) {
    earlierRead_ = journal_.database().isOpen() &&
                   journal::rowsOfOrder(journal_.database(), request.orderSha256, earlier_);
}

RenderExit SendJournal::skipPrinted(const RenderRequest& request, printing::JobRequest& job) {
    readEarlier(request);
    if (!earlierRead_) {
        return renderFailure(
            err_, RenderExit::JournalUnread,
            "--skip-printed precisa do diário de impressão: " +
                (journal_.message().empty() ? renderJournalPath(options_) : journal_.message()));
    }
    std::vector<int> printed;
    std::vector<int> uncertain;
    std::vector<printing::JobRow> left;
    for (const printing::JobRow& row : job.rows) {
        const auto known = earlier_.find(row.row);
        const journal::RowState state =
            known == earlier_.end() ? journal::RowState::NotSent : known->second;
        if (state == journal::RowState::Printed) {
            printed.push_back(row.row);
            continue;
        }
        if (state != journal::RowState::NotSent) {
            uncertain.push_back(row.row);
        }
        left.push_back(row);
    }
    if (!uncertain.empty() && !options_.resendUncertain) {
        return renderFailure(err_, RenderExit::UncertainRows,
                             "linhas talvez já impressas segundo o diário: " + rowList(uncertain) +
                                 "; confira as etiquetas e use --resend-uncertain para "
                                 "enviá-las de novo");
    }
    if (!printed.empty()) {
        err_ << kRenderTag
             << "linhas já impressas segundo o diário, deixadas de fora: " << rowList(printed)
             << '\n';
    }
    job.rows = std::move(left);
    return RenderExit::Ok;
}

printing::JobRecorder* SendJournal::recorder(const RenderRequest& request,
                                             const config::PortsTable& table,
                                             const std::string& usualDevice) {
    if (options_.noJournal) {
        return nullptr;
    }
    if (!earlierRead_) {
        readEarlier(request);
    }
    const journal::JobEntry entry = journal::jobEntryOf(
        "rotulano-render",
        {request.orderPath, request.orderNumber, request.supplierName, request.orderSha256},
        request.settings, table, usualDevice);
    recorder_ = std::make_unique<journal::JournalRecorder>(
        journal_, entry, earlier_, [this](const std::string& message) { warn(message); });
    return recorder_.get();
}

}  // namespace rotulano::render
