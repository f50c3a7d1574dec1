#pragma once
// Marks a dataset's rows as kept for the transaction while this lives: the
// rows a costing reads and never writes (a formula's lines and their bands,
// the dealer's settings) are the same for every vehicle, and a batch
// command's connection keeps them (row_cache.h), so the next vehicle reads
// them without a statement. A write to their table by the
// connection drops them; an interactive call keeps nothing.

#include "platform/db/sql_dataset.h"

namespace veiculo::costing {

class KeptRows {
 public:
  explicit KeptRows(platform::SqlDataSet& dataset) : dataset_(dataset) {
    dataset_.SetRowsCacheable(true);
  }
  ~KeptRows() { dataset_.SetRowsCacheable(false); }
  KeptRows(const KeptRows&) = delete;
  KeptRows& operator=(const KeptRows&) = delete;

 private:
  platform::SqlDataSet& dataset_;
};

}  // namespace veiculo::costing
