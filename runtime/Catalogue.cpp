#include "Catalogue.h"

#include <algorithm>
#include <cstdint>

namespace rt {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;

// Reads the file's 32-bit words in the byte order its magic number shows.
class Words {
 public:
  explicit Words(std::string_view bytes) : bytes_(bytes) {}
  bool Read(std::size_t at, std::uint32_t& word) const {
    if (at > bytes_.size() || bytes_.size() - at < 4) return false;
    const auto byte = [&](std::size_t i) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at + i]));
    };
    word = swapped_ ? byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3)
                    : byte(3) << 24 | byte(2) << 16 | byte(1) << 8 | byte(0);
    return true;
  }
  void Swap() { swapped_ = true; }
  // The string that table entry `index` at `table` points to.
  std::optional<std::string_view> String(std::uint32_t table, std::uint32_t index) const {
    std::uint32_t length = 0, offset = 0;
    const std::size_t entry = std::size_t{table} + std::size_t{index} * 8;
    if (!Read(entry, length) || !Read(entry + 4, offset)) return std::nullopt;
    if (offset > bytes_.size() || bytes_.size() - offset < length) return std::nullopt;
    return bytes_.substr(offset, length);
  }

 private:
  std::string_view bytes_;
  bool swapped_ = false;
};

std::vector<std::string> Split(std::string_view text) {
  std::vector<std::string> parts;
  for (std::size_t at = 0;;) {
    const std::size_t end = text.find('\0', at);
    parts.emplace_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (end == std::string_view::npos) return parts;
    at = end + 1;
  }
}

std::string HeaderField(std::string_view header, std::string_view name) {
  for (std::size_t at = 0; at < header.size();) {
    std::size_t end = header.find('\n', at);
    if (end == std::string_view::npos) end = header.size();
    const std::string_view line = header.substr(at, end - at);
    if (line.substr(0, name.size()) == name && line.substr(name.size(), 1) == ":") {
      std::string_view value = line.substr(name.size() + 1);
      while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      return std::string(value);
    }
    at = end + 1;
  }
  return {};
}

}  // namespace

std::optional<Catalogue> Catalogue::FromMo(std::string_view bytes, std::string* why) {
  const auto refuse = [&](const char* reason) -> std::optional<Catalogue> {
    if (why) *why = reason;
    return std::nullopt;
  };
  Words words(bytes);
  std::uint32_t magic = 0, revision = 0, count = 0, sources = 0, translations = 0;
  if (!words.Read(0, magic)) return refuse("too short for a catalogue");
  if (magic != kMagic) {
    words.Swap();
    if (!words.Read(0, magic) || magic != kMagic) return refuse("not a compiled gettext catalogue");
  }
  if (!words.Read(4, revision) || revision >> 16 > 1) return refuse("a catalogue of a later format");
  if (!words.Read(8, count) || !words.Read(12, sources) || !words.Read(16, translations))
    return refuse("too short for a catalogue");
  Catalogue catalogue;
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto source = words.String(sources, i), translation = words.String(translations, i);
    if (!source || !translation) return refuse("a text lies outside the file");
    if (source->empty()) {
      if (auto rule = PluralRule::FromHeader(*translation)) catalogue.plural_ = std::move(*rule);
      catalogue.language_ = HeaderField(*translation, "Language");
      continue;
    }
    // A text that counts is found by its singular; a context, before "\4", stays in the key.
    catalogue.translations_.emplace_back(source->substr(0, source->find('\0')), Split(*translation));
  }
  // msgfmt writes the texts in order already; a catalogue written otherwise is put in order.
  std::sort(catalogue.translations_.begin(), catalogue.translations_.end());
  return catalogue;
}

const std::vector<std::string>* Catalogue::Find(std::string_view source) const {
  const auto found = std::lower_bound(translations_.begin(), translations_.end(), source,
                                      [](const auto& entry, std::string_view key) { return entry.first < key; });
  return found != translations_.end() && found->first == source ? &found->second : nullptr;
}

std::string_view Catalogue::Text(std::string_view source) const {
  const std::vector<std::string>* found = Find(source);
  if (!found || found->front().empty()) return source;
  return found->front();
}

std::string_view Catalogue::Text(std::string_view singular, std::string_view plural, unsigned long n) const {
  if (const std::vector<std::string>* found = Find(singular)) {
    const std::size_t form = static_cast<std::size_t>(plural_.FormFor(n));
    if (form < found->size() && !(*found)[form].empty()) return (*found)[form];
  }
  return n == 1 ? singular : plural;
}

}  // namespace rt
