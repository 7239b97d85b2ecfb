#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "command_registry.h"
#include "common/ansi_text.h"
#include "components/component_list.h"
#include "file_name_check.h"

namespace deadhold::cli {
namespace {

// Prints a catalogue as its selection list orders it: one entry per line, fields separated by
// one TAB (a primer without a lot number ends in a TAB).
template <class List>
int listCatalogue(const std::string& file,
                  std::optional<List> (*read)(const std::filesystem::path&, std::string*)) {
  std::string whyNot;
  const std::optional<List> list = read(file, &whyNot);
  if (!list) {
    std::cerr << "deadhold-cli: Could not read the catalogue " << file << ": " << whyNot << "\n";
    return kExitRefused;
  }
  for (const auto& entry : *list) {
    const auto fields = entry.fields();
    std::string line = *fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) line += '\t' + *fields[i];
    std::cout << ansiToUtf8(line) << '\n';
  }
  return kExitOk;
}

template <class List>
void addCatalogue(CLI::App& components, int& exitStatus, const char* name, const char* fileName,
                  const char* description,
                  std::optional<List> (*read)(const std::filesystem::path&, std::string*)) {
  CLI::App* command = components.add_subcommand(name, description);
  auto file = std::make_shared<std::string>(fileName);
  command->add_option("FILE", *file, "the catalogue to read")
      ->default_str(fileName)
      ->check(kFileNameCheck);
  command->callback([file, read, &exitStatus] { exitStatus = listCatalogue(*file, read); });
}

void setupComponents(CLI::App& app, int& exitStatus) {
  CLI::App* components = app.add_subcommand(
      "components", "A component catalogue sorted as its selection list shows it");
  components->require_subcommand(1);
  components->footer(
      "Each entry is one line with its fields separated by one TAB, in the catalogue's field\n"
      "order. FILE defaults to the catalogue's name in the current folder; a file that cannot\n"
      "be read is an error (the selection dialogs show an empty list instead).");
  addCatalogue(*components, exitStatus, "bullets", kBulletCatalogue,
               "Manufacturer, Caliber, Weight, Type, BC, SD", &readBulletList);
  addCatalogue(*components, exitStatus, "powders", kPowderCatalogue,
               "Manufacturer, Type, Lot Number", &readPowderList);
  addCatalogue(*components, exitStatus, "primers", kPrimerCatalogue,
               "Manufacturer, Type, Lot Number (may be empty)", &readPrimerList);
}

const CommandRegistration registration(40, &setupComponents);

}  // namespace
}  // namespace deadhold::cli
