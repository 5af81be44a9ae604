#include "input/extra_text_table.h"

#include <utility>

namespace kartovex {

void ExtraTextTable::StoreExtraText(std::string extraText, std::string pointId) {
  lastText_.insert_or_assign(std::move(pointId), std::move(extraText));
  ++count_;
}

std::string ExtraTextTable::FindExtraText(const std::string& pointId) const {
  auto it = lastText_.find(pointId);
  return it == lastText_.end() ? std::string() : it->second;
}

void ExtraTextTable::Clear() {
  lastText_.clear();
  count_ = 0;
}

}  // namespace kartovex
