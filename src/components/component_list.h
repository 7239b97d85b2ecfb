#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "components/bullet_entry.h"
#include "components/powder_entry.h"
#include "components/primer_entry.h"

namespace deadhold {

// The parsed and sorted contents of one catalogue, owned by whoever shows it for as long as it
// is shown. A selection list row refers to its entry by index.
template <class Entry>
using ComponentList = std::vector<Entry>;

using BulletList = ComponentList<BulletEntry>;
using PowderList = ComponentList<PowderEntry>;
using PrimerList = ComponentList<PrimerEntry>;

// The catalogues are opened by bare name in the working directory.
inline constexpr const char* kBulletCatalogue = "BULLETS.TXT";
inline constexpr const char* kPowderCatalogue = "POWDERS.TXT";
inline constexpr const char* kPrimerCatalogue = "PRIMERS.TXT";

// Entries in file order, as the keeping rules of each catalogue allow. `text` is a catalogue text
// ending in a zero byte, as readComponentFile gives it.
BulletList parseBullets(const std::string& text);
PowderList parsePowders(const std::string& text);
PrimerList parsePrimers(const std::string& text);

// Read, parse and sort in one go, as every opening of a selection list does. Nothing when the
// file cannot be read or its list does not fit in memory: the list then shows empty, and the
// command line reports `whyNot`.
std::optional<BulletList> readBulletList(const std::filesystem::path& file,
                                         std::string* whyNot = nullptr);
std::optional<PowderList> readPowderList(const std::filesystem::path& file,
                                         std::string* whyNot = nullptr);
std::optional<PrimerList> readPrimerList(const std::filesystem::path& file,
                                         std::string* whyNot = nullptr);

}  // namespace deadhold
