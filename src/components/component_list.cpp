#include "components/component_list.h"

#include <new>
#include <system_error>

#include "components/component_sort.h"
#include "components/component_text.h"

namespace deadhold {
namespace {

bool atEnd(const std::string& text, std::size_t position) {
  return position >= text.size() || text[position] == '\0';
}

// Bullets and powders: fields are taken in order wherever they stand, and an entry is kept only
// when the text goes on after its last field, so a last line without a line break is dropped.
template <class Entry>
ComponentList<Entry> parseFixedEntries(const std::string& text) {
  ComponentList<Entry> list;
  std::size_t position = 0;
  while (!atEnd(text, position)) {
    Entry entry;
    for (std::string* field : entry.fields()) {
      position = nextToken(text, position, *field);
      if (atEnd(text, position)) return list;
    }
    list.push_back(std::move(entry));
  }
  return list;
}

template <class List>
std::optional<List> readList(const std::filesystem::path& file, std::string* whyNot,
                             List (*parse)(const std::string&), void (*sort)(List&)) {
  try {
    const std::optional<std::string> text = readComponentFile(file, whyNot);
    if (!text) return std::nullopt;
    List list = parse(*text);
    sort(list);
    return list;
  } catch (const std::bad_alloc&) {
    if (whyNot) *whyNot = std::make_error_code(std::errc::not_enough_memory).message();
    return std::nullopt;
  }
}

}  // namespace

BulletList parseBullets(const std::string& text) {
  return parseFixedEntries<BulletEntry>(text);
}

PowderList parsePowders(const std::string& text) {
  return parseFixedEntries<PowderEntry>(text);
}

// A primer's lot number is optional: a line break right after the type ends the entry without
// one, while a tab or a comment there makes the next field the lot number, wherever it stands.
PrimerList parsePrimers(const std::string& text) {
  PrimerList list;
  std::size_t position = 0;
  while (!atEnd(text, position)) {
    PrimerEntry entry;
    position = nextToken(text, position, entry.manufacturer);
    if (atEnd(text, position)) break;
    position = nextToken(text, position, entry.type);
    if (atEnd(text, position)) break;
    const char ended = text[position];
    if (ended == '\t' || ended == ';') position = nextToken(text, position, entry.lotNumber);
    list.push_back(std::move(entry));
  }
  return list;
}

std::optional<BulletList> readBulletList(const std::filesystem::path& file, std::string* whyNot) {
  return readList(file, whyNot, parseBullets, sortBullets);
}

std::optional<PowderList> readPowderList(const std::filesystem::path& file, std::string* whyNot) {
  return readList(file, whyNot, parsePowders, sortPowders);
}

std::optional<PrimerList> readPrimerList(const std::filesystem::path& file, std::string* whyNot) {
  return readList(file, whyNot, parsePrimers, sortPrimers);
}

}  // namespace deadhold
