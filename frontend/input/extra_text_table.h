#pragma once
// The extra text of each point, kept from the input file for the result
// files. The last text stored for an identifier wins; lookups are constant
// time so a run stays linear in its points.

#include <cstddef>
#include <string>
#include <unordered_map>

namespace kartovex {

class ExtraTextTable {
 public:
  void StoreExtraText(std::string extraText, std::string pointId);
  // The text of the last pair stored for pointId (exact match), or "".
  std::string FindExtraText(const std::string& pointId) const;

  // Pairs stored so far (each call of StoreExtraText counts).
  std::size_t count() const { return count_; }
  // Distinct identifiers held.
  std::size_t size() const { return lastText_.size(); }
  void Clear();

 private:
  std::unordered_map<std::string, std::string> lastText_;
  std::size_t count_ = 0;
};

}  // namespace kartovex
