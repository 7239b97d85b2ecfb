#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>

#include "components/component_list.h"

namespace deadhold {

// A column of a selection list: heading and width in pixels.
struct ComponentColumn {
  const char* heading;
  int width;
};

// What tells the three selection dialogs apart: title, catalogue and columns.
template <class Entry>
struct ComponentSelectionTraits;

template <>
struct ComponentSelectionTraits<BulletEntry> {
  static constexpr const char* kTitle = "Bullet Selection";
  static constexpr const char* kCatalogue = kBulletCatalogue;
  static constexpr std::array<ComponentColumn, 6> kColumns = {{{"Manufacturer", 180},
                                                               {"Caliber", 60},
                                                               {"Weight", 60},
                                                               {"Type", 120},
                                                               {"BC", 40},
                                                               {"SD", 40}}};
};

template <>
struct ComponentSelectionTraits<PowderEntry> {
  static constexpr const char* kTitle = "Powder Selection";
  static constexpr const char* kCatalogue = kPowderCatalogue;
  static constexpr std::array<ComponentColumn, 3> kColumns = {
      {{"Manufacturer", 180}, {"Type", 120}, {"Lot Number", 120}}};
};

template <>
struct ComponentSelectionTraits<PrimerEntry> {
  static constexpr const char* kTitle = "Primer Selection";
  static constexpr const char* kCatalogue = kPrimerCatalogue;
  static constexpr std::array<ComponentColumn, 3> kColumns = {
      {{"Manufacturer", 180}, {"Type", 120}, {"Lot Number", 100}}};
};

// One selection dialog over a component catalogue. It reads the catalogue when it opens, so an
// edited file counts at the next opening; rows are the entries in sorted order, each bound to
// its entry by position. The result is `chosenEntry`: an entry counts as chosen when its maker
// is not empty.
template <class Entry>
class ComponentSelection {
 public:
  using Traits = ComponentSelectionTraits<Entry>;
  static constexpr std::size_t kColumnCount = Traits::kColumns.size();

  // A catalogue that is missing or cannot be read opens with no rows.
  explicit ComponentSelection(const std::filesystem::path& catalogue);

  const ComponentList<Entry>& entries() const { return entries_; }
  std::size_t rowCount() const { return entries_.size(); }
  // The row's texts, column by column: the entry's fields unchanged.
  std::array<std::string, kColumnCount> rowTexts(std::size_t row) const;

  // A row gained or lost the highlight: its entry becomes the choice and "Select" is enabled
  // for good. A view reports the row losing the highlight before the one gaining it, so a
  // highlight removed altogether leaves the last row's entry chosen.
  void highlightChanged(std::size_t row);

  bool selectEnabled() const { return selectEnabled_; }
  const Entry& chosenEntry() const { return chosenEntry_; }
  bool hasChoice() const { return !chosenEntry_.manufacturer.empty(); }

  // "Select" closes with the choice; "Cancel" closes with none. Escape and the close box count
  // as "Cancel": a user who backs out of the list expects the load to stay as it was.
  void select() { closed_ = true; }
  void cancel();
  bool closed() const { return closed_; }

 private:
  ComponentList<Entry> entries_;
  Entry chosenEntry_;
  bool selectEnabled_ = false;
  bool closed_ = false;
};

using BulletSelection = ComponentSelection<BulletEntry>;
using PowderSelection = ComponentSelection<PowderEntry>;
using PrimerSelection = ComponentSelection<PrimerEntry>;

extern template class ComponentSelection<BulletEntry>;
extern template class ComponentSelection<PowderEntry>;
extern template class ComponentSelection<PrimerEntry>;

}  // namespace deadhold
