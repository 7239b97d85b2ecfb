#include "components/component_selection.h"

#include <tuple>

namespace deadhold {
namespace {

std::optional<BulletList> readCatalogue(const std::filesystem::path& file, const BulletEntry*) {
  return readBulletList(file);
}
std::optional<PowderList> readCatalogue(const std::filesystem::path& file, const PowderEntry*) {
  return readPowderList(file);
}
std::optional<PrimerList> readCatalogue(const std::filesystem::path& file, const PrimerEntry*) {
  return readPrimerList(file);
}

}  // namespace

template <class Entry>
ComponentSelection<Entry>::ComponentSelection(const std::filesystem::path& catalogue) {
  if (auto list = readCatalogue(catalogue, static_cast<const Entry*>(nullptr)))
    entries_ = std::move(*list);
}

template <class Entry>
std::array<std::string, ComponentSelection<Entry>::kColumnCount>
ComponentSelection<Entry>::rowTexts(std::size_t row) const {
  std::array<std::string, kColumnCount> texts;
  const auto fields = entries_.at(row).fields();
  static_assert(std::tuple_size_v<decltype(fields)> == kColumnCount);
  for (std::size_t column = 0; column < kColumnCount; ++column) texts[column] = *fields[column];
  return texts;
}

template <class Entry>
void ComponentSelection<Entry>::highlightChanged(std::size_t row) {
  if (row >= entries_.size()) return;
  chosenEntry_ = entries_[row];
  selectEnabled_ = true;
}

template <class Entry>
void ComponentSelection<Entry>::cancel() {
  chosenEntry_ = Entry{};
  closed_ = true;
}

template class ComponentSelection<BulletEntry>;
template class ComponentSelection<PowderEntry>;
template class ComponentSelection<PrimerEntry>;

}  // namespace deadhold
