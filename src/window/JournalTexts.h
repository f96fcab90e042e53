#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

// What the window says of an order the print journal knows: the line over the grid and the
// two questions. Messages are Portuguese in both interface languages; the buttons follow the
// interface language.
namespace rotulano::window::journalTexts {

// A row named in a question: its number and item code (UTF-8).
using NamedRow = std::pair<int, std::string>;

// "Este pedido já foi impresso em parte: 212 de 999 itens, a última vez em 09/12/2026 às
// 14:32 (LPT1)", or "… já foi impresso: 999 de 999 itens, …" when every row is printed.
// `lastPrinted` as the journal keeps times ("2026-12-09 14:32:05").
QString printedLine(int printed, int total, const std::string& lastPrinted,
                    const std::string& port);
// The line of an amended order: what its "≈" mark means.
QString amendedLine();

// The box over rows possibly printed, and its buttons: "Marcar como impressas" first.
QString uncertainQuestion(const std::vector<NamedRow>& rows);
QStringList uncertainButtons(bool portuguese);

// The box over the rows of an amended order that match printed lines: confirm first.
QString amendedQuestion(const std::vector<NamedRow>& rows);
QStringList amendedButtons(bool portuguese);

// The title of both boxes.
QString questionTitle();

}  // namespace rotulano::window::journalTexts
