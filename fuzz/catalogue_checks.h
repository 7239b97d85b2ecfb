#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/folded_compare.h"
#include "components/component_list.h"
#include "components/component_text.h"
#include "fuzz_support.h"

namespace deadhold::fuzz {

// Beyond this many entries the exchange sort below is too slow to run on every input.
inline constexpr std::size_t kReferenceSortLimit = 512;

// One catalogue from any bytes: read from its file, parsed with and without the zero byte the
// reader appends (the same list either way), every field a piece of the text inside the limits,
// and sorted exactly as the exchange-adjacent-pairs sort orders it.
template <class Entry>
struct CatalogueCheck {
  ComponentList<Entry> (*parse)(const std::string&);
  void (*sort)(ComponentList<Entry>&);
  std::string (*sortKey)(const Entry&);
  std::size_t requiredFields;  // the fields every entry has; the rest may be empty
  const char* fileName;
};

inline bool isFieldEnd(char c) {
  return c == '\t' || c == '\r' || c == '\n' || c == ';' || c == '\0';
}

template <class Entry>
void requireSoundFields(const ComponentList<Entry>& list, std::string_view text,
                        std::size_t requiredFields) {
  for (const Entry& entry : list) {
    std::size_t index = 0;
    for (const std::string* field : entry.fields()) {
      require(field->size() <= kComponentFieldLimit, "a field is cut to its limit");
      require(std::none_of(field->begin(), field->end(), isFieldEnd),
              "a field holds no separator, comment or zero byte");
      require(index >= requiredFields || !field->empty(), "an entry has all its fields");
      require(text.find(*field) != std::string_view::npos, "a field is a piece of the text");
      ++index;
    }
  }
}

// The catalogues' own sort: passes exchanging adjacent entries whose folded keys compare
// strictly greater, until a pass exchanges none.
template <class Entry>
ComponentList<Entry> exchangeSorted(ComponentList<Entry> list,
                                    std::string (*sortKey)(const Entry&)) {
  std::vector<std::pair<std::string, Entry>> keyed;
  for (Entry& entry : list) keyed.emplace_back(sortKey(entry), std::move(entry));
  for (bool exchanged = true; exchanged;) {
    exchanged = false;
    for (std::size_t i = 1; i < keyed.size(); ++i) {
      if (compareFolded(keyed[i - 1].first, keyed[i].first) > 0) {
        std::swap(keyed[i - 1], keyed[i]);
        exchanged = true;
      }
    }
  }
  ComponentList<Entry> sorted;
  for (auto& [key, entry] : keyed) sorted.push_back(std::move(entry));
  return sorted;
}

template <class Entry>
void checkCatalogue(const CatalogueCheck<Entry>& check, std::string_view input) {
  const auto file = scratchFolder() / check.fileName;
  writeWholeFile(file, input);
  const std::optional<std::string> text = readComponentFile(file);
  require(text && *text == std::string(input) + '\0', "the file is read whole, with a zero byte");

  const ComponentList<Entry> parsed = check.parse(*text);
  require(check.parse(std::string(input)) == parsed, "the end of the text ends it like a zero");
  requireSoundFields(parsed, input.substr(0, input.find('\0')), check.requiredFields);

  ComponentList<Entry> sorted = parsed;
  check.sort(sorted);
  require(sorted.size() == parsed.size(), "sorting keeps every entry");
  if (parsed.size() <= kReferenceSortLimit) {
    require(sorted == exchangeSorted(parsed, check.sortKey), "the order of the exchange sort");
  } else {
    for (std::size_t i = 1; i < sorted.size(); ++i)
      require(compareFolded(check.sortKey(sorted[i - 1]), check.sortKey(sorted[i])) <= 0,
              "sorted ascending by folded key");
  }
}

}  // namespace deadhold::fuzz
