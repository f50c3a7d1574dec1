#pragma once
// How `veiculo estoque` shows an intermediate stock list: a readable table
// (one line per row: model, chassis, days in stock with the colour band of
// its family, cost, table price, sale value, bonus and status flags) and a
// CSV file of every column of the packet.

#include <ostream>
#include <string>

#include "veiculo/data_packet.h"

namespace veiculo::cli {

// The family's colour band ("verde", "azul", "cinza", "preto", "vermelho")
// whose day range holds `dias`; empty when none does.
std::string FaixaDias(const DataPacket& data, const DataPacket::Row& row, int64_t dias);

// Status letters of a row: C in the books, T in transit, R reserved,
// N negotiated, P with proposals, D available, V sold, VD direct sale,
// DV returned, PD maker order, PM monthly plan.
std::string Situacoes(const DataPacket& data, const DataPacket::Row& row);

// The table, rows ordered by dealer, model and chassis. `cores` colours the
// days in stock with the family's band (ANSI colours, for a terminal);
// otherwise the band is written next to the days. Days and band are shown for
// the rows in stock of a valued list (`valorizada`), left blank otherwise.
void ImprimeTabela(std::ostream& out, const DataPacket& data, bool valorizada, bool cores);

// Every column, a header line of the column names, ";" between values, the
// values in the local form (decimal comma, dd/mm/yyyy); a value holding ";",
// a quote or a line break is quoted with its quotes doubled.
void EscreveCsv(std::ostream& out, const DataPacket& data);

}  // namespace veiculo::cli
