#include "journal/HistoryText.h"

namespace rotulano::journal {

namespace {

std::string labelsText(long long labels) {
    return std::to_string(labels) + (labels == 1 ? " etiqueta" : " etiquetas");
}

std::string jobText(const HistoryJob& job) {
    const JobEntry& entry = job.entry;
    std::string text = "Trabalho " + std::to_string(job.id) + ": " + job.started + " a " +
                       (job.ended.empty() ? std::string("(não terminou)") : job.ended) + ", " +
                       entry.program + ", usuário " + entry.user + "\n";
    text += "  Pedido " + entry.orderNumber + ", fornecedor " + entry.supplier + ", arquivo " +
            entry.orderFile + ", SHA-256 " + entry.orderSha256 + "\n";
    text += "  Modelo " + std::to_string(entry.model) + ", porta " + entry.port + ", destino " +
            entry.destination + "\n";
    for (const HistoryRow& row : job.rows) {
        text += "  Linha " + std::to_string(row.row) + ": item " + row.itemCode + ", tipo " +
                row.labelType + ", " + labelsText(row.labels) + ", " + stateText(row.state) +
                " em " + row.stateTime + (row.reprint ? " (reimpressão)" : "") + "\n";
    }
    return text;
}

std::string csvField(const std::string& field) {
    if (field.find_first_of(";\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        line += (index == 0 ? "" : ";") + csvField(fields[index]);
    }
    return line + "\r\n";
}

std::vector<std::string> jobFields(const HistoryJob& job) {
    const JobEntry& entry = job.entry;
    return {std::to_string(job.id),
            job.started,
            job.ended,
            entry.program,
            entry.user,
            entry.orderNumber,
            entry.supplier,
            entry.orderFile,
            entry.orderSha256,
            std::to_string(entry.model),
            entry.port,
            entry.destination};
}

std::vector<std::string> rowFields(const HistoryRow& row) {
    return {std::to_string(row.row),    row.itemCode,         row.labelType,
            std::to_string(row.labels), stateText(row.state), row.stateTime,
            row.reprint ? "sim" : "não"};
}

const char* const kCsvHeader[] = {"trabalho",  "início",     "fim",     "programa",   "usuário",
                                  "pedido",    "fornecedor", "arquivo", "sha256",     "modelo",
                                  "porta",     "destino",    "linha",   "item",       "tipo",
                                  "etiquetas", "situação",   "hora",    "reimpressão"};

}  // namespace

const char* stateText(RowState state) {
    switch (state) {
        case RowState::Printed:
            return "impressa";
        case RowState::NotSent:
            return "não enviada";
        case RowState::MaybePartly:
            return "talvez impressa em parte";
        case RowState::Sending:
            break;
    }
    return "enviando";
}

JobOutcome jobOutcome(const JobSummary& job) {
    if (job.job.ended.empty()) {
        return JobOutcome::NotEnded;
    }
    if (job.maybePartly > 0 || job.sending > 0) {
        return JobOutcome::MaybePartly;
    }
    if (job.notSent > 0) {
        return JobOutcome::Interrupted;
    }
    return job.rows == 0 ? JobOutcome::NothingSent : JobOutcome::AllPrinted;
}

const char* outcomeText(JobOutcome outcome) {
    switch (outcome) {
        case JobOutcome::AllPrinted:
            return "tudo impresso";
        case JobOutcome::Interrupted:
            return "interrompido";
        case JobOutcome::MaybePartly:
            return "talvez impresso em parte";
        case JobOutcome::NothingSent:
            return "nada enviado";
        case JobOutcome::NotEnded:
            break;
    }
    return "não terminou";
}

std::string historyText(const std::vector<HistoryJob>& jobs,
                        const std::optional<std::string>& orderNumber) {
    if (jobs.empty()) {
        return orderNumber ? "Nenhum trabalho do pedido " + *orderNumber + " no diário.\n"
                           : std::string("Nenhum trabalho no diário.\n");
    }
    std::string text;
    for (const HistoryJob& job : jobs) {
        text += (text.empty() ? "" : "\n") + jobText(job);
    }
    return text;
}

std::string historyCsv(const std::vector<HistoryJob>& jobs) {
    std::string csv = "\xEF\xBB\xBF" + csvLine({std::begin(kCsvHeader), std::end(kCsvHeader)});
    for (const HistoryJob& job : jobs) {
        const std::vector<std::string> fields = jobFields(job);
        if (job.rows.empty()) {
            std::vector<std::string> line = fields;
            line.resize(fields.size() + 7);
            csv += csvLine(line);
        }
        for (const HistoryRow& row : job.rows) {
            std::vector<std::string> line = fields;
            const std::vector<std::string> more = rowFields(row);
            line.insert(line.end(), more.begin(), more.end());
            csv += csvLine(line);
        }
    }
    return csv;
}

}  // namespace rotulano::journal
