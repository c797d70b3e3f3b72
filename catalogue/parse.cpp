// The profile dialect, single pass: lines end at CR or LF; blanks around a line are dropped; a
// line that starts with '[' and holds a ']' opens a section named by what lies between the '['
// and the last ']', blanks around it dropped; any other line is a key, up to its first '=' (blanks before the '=' and
// after it dropped), and a line without '=' is a key without a value. Comment lines are keys
// too, whose names never match "name". Names and values end at a NUL byte, as the platform keeps
// them as zero-terminated strings. Lines before the first section belong to a section without a
// name, which is never listed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/encoding.h"
#include "catalogue/name_table.h"

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

// The most names that the name list holds: each takes a byte and its terminator.
constexpr std::size_t kMostListed = (kNameListSize - 1) / 2;

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// Where the line that starts at `line` ends: its CR or LF, or `end`.
const char* LineEnd(const char* line, const char* end) {
  while (line != end && *line != '\n' && *line != '\r') ++line;
  return line;
}

// The value as the profile functions copy it: one pair of matching quotation marks around it
// removed, then cut to what the buffer holds.
std::string_view CopiedValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value.substr(0, kValueSize - 1);
}

// Collects the listed names and the "name" keys that their lookups will find, in one pass over
// the lines. While the name list is open, the first section of every name is remembered, since
// a later listed name may look it up; once the list is closed, only the sections that some
// listed name still looks for are. So the memory used is bounded by the list's size, whatever
// the file holds.
class CatalogueBuilder {
 public:
  // `sectionLines` bounds the number of section lines in the file; it sizes the tables up
  // front, within what the name list can hold.
  explicit CatalogueBuilder(std::size_t sectionLines) {
    const std::size_t listed = std::min(sectionLines, kMostListed);
    listed_.reserve(listed);
    names_.Reserve(listed + 1);
    targets_.reserve(listed + 1);
    // Lines before the first section; a lookup of a blank name finds them.
    current_ = Add(std::string_view(), true).first;
  }

  void Section(std::string_view name) {
    current_.reset();
    if (listOpen_) {
      const auto [target, added] = Add(name, true);
      if (added) current_ = target;  // a later section of the same name is never looked up
      if (!name.empty()) List(name, target);
      return;
    }
    const std::optional<std::size_t> target = names_.Find(name);
    if (target && !targets_[*target].claimed) {
      targets_[*target].claimed = true;
      current_ = target;
    }
  }

  // Whether the current section's keys can still matter: most lines can be skipped unread.
  bool WantsKey() const { return current_ && !targets_[*current_].seen; }

  void Key(std::string_view key, std::optional<std::string_view> value) {
    if (!WantsKey() || !EqualFolded(key, "name")) return;
    targets_[*current_].seen = true;
    targets_[*current_].value = value;
  }

  std::vector<TableSection> Finish() {
    if (listOpen_) CloseList();
    for (Listed& listed : listed_) {
      const NameKey& key = targets_[listed.target];
      listed.displayName = key.seen && key.value ? CopiedValue(*key.value) : kDefaultName;
    }
    // A heap such as wine's serves the many small strings below several times slower while
    // the lookup tables are still held, so those are released first.
    names_ = NameTable();
    targets_ = std::vector<NameKey>();
    std::vector<TableSection> sections;
    sections.reserve(listed_.size());
    for (const Listed& listed : listed_) {
      sections.push_back({std::string(listed.name), std::string(listed.displayName)});
    }
    return sections;
  }

 private:
  // The first key "name" of the first section of a name that lookups look for.
  struct NameKey {
    bool claimed;  // a section of this name has been seen
    bool seen = false;
    std::optional<std::string_view> value = std::nullopt;  // none for a key without '='
  };

  struct Listed {
    std::string_view name;
    std::size_t target;  // what its lookup finds
    std::string_view displayName = {};  // what it finds there, once the file is read
  };

  // The number of the name's target, and whether it was added.
  std::pair<std::size_t, bool> Add(std::string_view name, bool claimed) {
    const auto [number, added] = names_.Insert(name);
    if (added) targets_.push_back({claimed});
    return {number, added};
  }

  void List(std::string_view name, std::size_t target) {
    if (name.size() + 1 < room_) {
      listed_.push_back({name, target});
      room_ -= name.size() + 1;
      return;
    }
    // The name that reaches the limit is listed with what fits before the final terminator.
    if (room_ > 1) listed_.push_back({name.substr(0, room_ - 1), target});
    CloseList();
  }

  // A listed name is looked up with its blanks removed, and finds the first section of that
  // name anywhere in the file. Section names come without blanks around them, so only a name
  // cut by the limit or by a NUL byte can look up another name than its own.
  void CloseList() {
    listOpen_ = false;
    if (listed_.empty()) return;
    Listed& last = listed_.back();
    last.target = Add(Trim(last.name), false).first;
    for (Listed& listed : listed_) {
      const std::string_view trimmed = Trim(listed.name);
      if (trimmed.size() != listed.name.size()) listed.target = Add(trimmed, false).first;
    }
  }

  std::vector<Listed> listed_;
  std::size_t room_ = kNameListSize - 1;  // the final terminator always has its place
  bool listOpen_ = true;
  NameTable names_;
  std::vector<NameKey> targets_;        // by the name's number in names_
  std::optional<std::size_t> current_;  // the target that the current section's keys fill
};

}  // namespace

std::vector<TableSection> ParseTableCatalogue(std::string_view bytes) {
  std::string storage;
  const std::string_view text = DecodeProfileText(bytes, storage);
  CatalogueBuilder builder(static_cast<std::size_t>(std::count(text.begin(), text.end(), '[')));
  const char* next = text.data();
  const char* const end = next + text.size();
  for (;;) {
    // Line ends are blanks too, so this passes empty lines and the blanks that start a line.
    while (next != end && IsBlank(*next)) ++next;
    if (next == end) break;
    const char* const lineEnd = LineEnd(next, end);
    const std::string_view line(next, static_cast<std::size_t>(lineEnd - next));
    next = lineEnd;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        builder.Section(UpToNul(Trim(line.substr(1, close - 1))));
        continue;
      }
    }
    if (!builder.WantsKey()) continue;
    const std::string_view trimmed = TrimRight(line);
    const std::size_t equals = trimmed.find('=');
    const std::string_view key = UpToNul(TrimRight(trimmed.substr(0, equals)));
    if (equals == std::string_view::npos) {
      builder.Key(key, std::nullopt);
    } else {
      builder.Key(key, UpToNul(TrimLeft(trimmed.substr(equals + 1))));
    }
  }
  return builder.Finish();
}

}  // namespace catalogue
