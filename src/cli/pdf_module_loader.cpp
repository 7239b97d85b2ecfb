#include <dlfcn.h>

#include <array>
#include <system_error>

#include "pdf_module.h"

namespace deadhold::cli {

std::unique_ptr<PdfModule> loadPdfModule(std::string& whyNot) {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path folder = error ? std::filesystem::path(".") : program.parent_path();
  // Beside the program in a build; in the private library folder once installed.
  const std::array<std::filesystem::path, 2> places = {
      folder / kPdfModuleFileName, folder / ".." / "lib" / "deadhold" / kPdfModuleFileName};
  const std::filesystem::path& file = std::filesystem::exists(places[0], error) ? places[0]
                                      : std::filesystem::exists(places[1], error) ? places[1]
                                                                                  : places[0];
  // Never closed: the module's code runs until the process ends.
  void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    whyNot = "PDF output is not available: " + std::string(dlerror());
    return nullptr;
  }
  const auto entry = reinterpret_cast<PdfModuleEntry>(dlsym(module, kPdfModuleEntryName));
  if (entry == nullptr) {
    whyNot = "PDF output is not available: " + file.string() + " is no PDF module of deadhold-cli";
    return nullptr;
  }
  return std::unique_ptr<PdfModule>(entry());
}

}  // namespace deadhold::cli
