// The profile dialect, single pass: lines end at CR or LF; blanks around a line are dropped; a
// line that starts with '[' and holds a ']' opens a section named by what lies between the '['
// and the last ']', blanks around it dropped; any other line is a key, up to its first '=' (blanks before the '=' and
// after it dropped), and a line without '=' is a key without a value. Comment lines are keys
// too, whose names never match "name". Names and values end at a NUL byte, as the platform keeps
// them as zero-terminated strings. Lines before the first section belong to a section without a
// name, which is never listed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/encoding.h"

namespace catalogue {

namespace {

// The name list holds every name and its terminator, plus one final terminator.
constexpr std::size_t kNameListSize = 16384;
// The display name's buffer, its terminator included.
constexpr std::size_t kValueSize = 2048;
constexpr std::string_view kDefaultName = "Unknown";

// Blanks as the profile functions see them: tab, LF, VT, FF, CR, space, and ^Z (the DOS
// end-of-file mark).
bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1a'; }

std::string_view TrimLeft(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  return text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string_view Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// Lookups ignore the letter case of A-Z only; other bytes compare as they are.
char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

struct FoldedHash {
  std::size_t operator()(std::string_view text) const {
    std::uint64_t hash = 14695981039346656037u;
    for (char c : text) hash = (hash ^ static_cast<unsigned char>(FoldCase(c))) * 1099511628211u;
    return static_cast<std::size_t>(hash);
  }
};

struct FoldedEqual {
  bool operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
  }
};

// The next line, blanks removed; `rest` moves past it.
std::string_view NextLine(std::string_view& rest) {
  std::size_t end = 0;
  while (end < rest.size() && rest[end] != '\n' && rest[end] != '\r') ++end;
  const std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end < rest.size() ? end + 1 : end);
  return Trim(line);
}

// The first key "name" of a section: whether there is one, and its value if it has an '='.
struct NameKey {
  bool seen = false;
  std::optional<std::string_view> value;
};

// The value as the profile functions copy it: one pair of matching quotation marks around it
// removed, then cut to what the buffer holds.
std::string CopyValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, kValueSize - 1));
}

// Collects the listed names and the "name" keys that their lookups will find, in one pass over
// the lines. While the name list is open, the first section of every name is remembered, since
// a later listed name may look it up; once the list is closed, only the sections that some
// listed name still looks for are. So the memory used is bounded by the list's size, whatever
// the file holds.
class CatalogueBuilder {
 public:
  CatalogueBuilder() {
    // Lines before the first section; a lookup of a blank name finds them.
    targets_.emplace(std::string_view(), Target{0, true});
    records_.emplace_back();
    current_ = 0;
  }

  void Section(std::string_view name) {
    current_.reset();
    if (listOpen_) {
      const auto [it, inserted] = targets_.try_emplace(name, Target{records_.size(), true});
      if (inserted) {
        records_.emplace_back();
        current_ = it->second.record;
      }
      if (!name.empty()) List(name);
      return;
    }
    const auto it = targets_.find(name);
    if (it != targets_.end() && !it->second.claimed) {
      it->second.claimed = true;
      current_ = it->second.record;
    }
  }

  void Key(std::string_view key, std::optional<std::string_view> value) {
    if (!current_) return;
    NameKey& record = records_[*current_];
    if (record.seen || !FoldedEqual()(key, "name")) return;
    record.seen = true;
    record.value = value;
  }

  std::vector<TableSection> Finish() {
    if (listOpen_) CloseList();
    std::vector<TableSection> sections;
    sections.reserve(listed_.size());
    for (std::string_view name : listed_) {
      const NameKey& record = records_[targets_.at(Trim(name)).record];
      sections.push_back({std::string(name), record.seen && record.value
                                                 ? CopyValue(*record.value)
                                                 : std::string(kDefaultName)});
    }
    return sections;
  }

 private:
  struct Target {
    std::size_t record;
    bool claimed;  // a section of this name has been seen
  };

  void List(std::string_view name) {
    if (name.size() + 1 < room_) {
      listed_.push_back(name);
      room_ -= name.size() + 1;
      return;
    }
    // The name that reaches the limit is listed with what fits before the final terminator.
    if (room_ > 1) listed_.push_back(name.substr(0, room_ - 1));
    CloseList();
  }

  // A listed name is looked up with its blanks removed, and finds the first section of that
  // name anywhere in the file.
  void CloseList() {
    listOpen_ = false;
    for (std::string_view name : listed_) {
      if (targets_.try_emplace(Trim(name), Target{records_.size(), false}).second) {
        records_.emplace_back();
      }
    }
  }

  std::vector<std::string_view> listed_;
  std::size_t room_ = kNameListSize - 1;  // the final terminator always has its place
  bool listOpen_ = true;
  std::vector<NameKey> records_;
  std::unordered_map<std::string_view, Target, FoldedHash, FoldedEqual> targets_;
  std::optional<std::size_t> current_;  // the record that the current section's keys fill
};

}  // namespace

std::vector<TableSection> ParseTableCatalogue(std::string_view bytes) {
  std::string storage;
  std::string_view rest = DecodeProfileText(bytes, storage);
  CatalogueBuilder builder;
  while (!rest.empty()) {
    const std::string_view line = NextLine(rest);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        builder.Section(UpToNul(Trim(line.substr(1, close - 1))));
        continue;
      }
    }
    const std::size_t equals = line.find('=');
    const std::string_view key = UpToNul(TrimRight(line.substr(0, equals)));
    if (equals == std::string_view::npos) {
      builder.Key(key, std::nullopt);
    } else {
      builder.Key(key, UpToNul(TrimLeft(line.substr(equals + 1))));
    }
  }
  return builder.Finish();
}

}  // namespace catalogue
