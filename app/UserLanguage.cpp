#include "UserLanguage.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "Language.h"

namespace duelmark {

namespace {

namespace fs = std::filesystem;

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Installed, the program is PREFIX/bin/duelmark and its catalogues PREFIX/share/locale; built,
// the same holds under the build's folder (app/duelmark, share/locale).
fs::path CatalogueFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : program.parent_path().parent_path() / "share" / "locale";
}

fs::path CatalogueFile(const fs::path& folder, const std::string& language) {
  return folder / language / "LC_MESSAGES" / "duelmark.mo";
}

}  // namespace

rt::Catalogue UserCatalogue() {
  const fs::path folder = CatalogueFolder();
  std::error_code error;
  std::vector<std::string> installed;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (fs::is_regular_file(CatalogueFile(folder, entry.path().filename().string()), error))
      installed.push_back(entry.path().filename().string());
  const std::string language = rt::ChooseLanguage(
      rt::DesktopLanguages(Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")),
      installed);
  if (language.empty()) return {};
  std::ifstream file(CatalogueFile(folder, language), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  std::string why;
  if (auto catalogue = rt::Catalogue::FromMo(bytes.str(), &why)) return std::move(*catalogue);
  std::fprintf(stderr, "Duelmark speaks English: the catalogue of \"%s\" is damaged (%s).\n", language.c_str(),
               why.c_str());
  return {};
}

}  // namespace duelmark
