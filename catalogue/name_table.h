// Section names as the profile lookups compare them: letter case of A-Z ignored, other bytes as
// they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace catalogue {

inline char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool EqualFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

// A set of names, each known by the number of its insertion: an open-addressing table of views
// into the file's bytes, so that a refresh over thousands of sections allocates only as the
// table doubles.
class NameTable {
 public:
  // Room for `count` names without growing.
  void Reserve(std::size_t count) {
    entries_.reserve(count);
    std::size_t size = 256;
    while (size < count * 2) size *= 2;
    if (size > slots_.size()) Rehash(size);
  }

  // The number of `name`, or none.
  std::optional<std::size_t> Find(std::string_view name) const { return Find(name, Hash(name)); }

  // The number of `name`, added unless present, and whether it was added.
  std::pair<std::size_t, bool> Insert(std::string_view name) {
    const std::uint64_t hash = Hash(name);
    if (const auto index = Find(name, hash)) return {*index, false};
    if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
    entries_.push_back({name, hash});
    Place(entries_.size() - 1);
    return {entries_.size() - 1, true};
  }

 private:
  struct Entry {
    std::string_view name;
    std::uint64_t hash;
  };

  static std::uint64_t Hash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(FoldCase(c))) * 1099511628211u;
    // FNV's low bits, which pick the slot, see only the low bits of each byte: mix in the rest.
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdu;
    return hash ^ (hash >> 33);
  }

  std::optional<std::size_t> Find(std::string_view name, std::uint64_t hash) const {
    if (slots_.empty()) return std::nullopt;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
      const Entry& entry = entries_[slots_[slot] - 1];
      if (entry.hash == hash && EqualFolded(entry.name, name)) return slots_[slot] - 1;
    }
    return std::nullopt;
  }

  void Place(std::size_t index) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = entries_[index].hash & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::uint32_t>(index + 1);
  }

  void Grow() { Rehash(slots_.empty() ? 256 : slots_.size() * 2); }

  void Rehash(std::size_t size) {
    slots_.assign(size, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) Place(i);
  }

  std::vector<Entry> entries_;
  std::vector<std::uint32_t> slots_;  // entry number + 1; 0 for a free slot
};

}  // namespace catalogue
