// A window class's handlers published by name, so that a description can bind its events to
// them: one table of {name, member pointer} per class, checked at compile time against the
// description.
#pragma once

#include <span>
#include <string_view>

#include "toolkit/events.h"

namespace toolkit {

// One published handler; exactly one of the three member pointers is set, by its signature.
template <class T>
struct Published {
  std::string_view name;
  void (T::*plain)(const Component&) = nullptr;
  void (T::*close)(const Component&, CloseAction&) = nullptr;
  void (T::*edited)(const Component&, int, const std::string&) = nullptr;
};

enum class Signature { Plain, Close, Edited };

// Whether `name` is empty or names a handler of `table` with the signature `signature`.
template <class T>
constexpr bool Publishes(std::span<const Published<T>> table, std::string_view name,
                         Signature signature) {
  if (name.empty()) return true;
  for (const Published<T>& p : table) {
    if (p.name != name) continue;
    switch (signature) {
      case Signature::Plain: return p.plain != nullptr;
      case Signature::Close: return p.close != nullptr;
      case Signature::Edited: return p.edited != nullptr;
    }
  }
  return false;
}

// Binds handler names to the handlers of `self` through its table.
template <class T>
class PublishedBinder final : public Binder {
 public:
  PublishedBinder(T& self, std::span<const Published<T>> table) : self_(self), table_(table) {}

  Handler Bind(std::string_view name) const override {
    const Published<T>* p = Find(name);
    if (!p || !p->plain) return {};
    return [&self = self_, m = p->plain](const Component& sender) { (self.*m)(sender); };
  }
  CloseHandler BindClose(std::string_view name) const override {
    const Published<T>* p = Find(name);
    if (!p || !p->close) return {};
    return [&self = self_, m = p->close](const Component& sender, CloseAction& action) {
      (self.*m)(sender, action);
    };
  }
  EditedHandler BindEdited(std::string_view name) const override {
    const Published<T>* p = Find(name);
    if (!p || !p->edited) return {};
    return [&self = self_, m = p->edited](const Component& sender, int row,
                                          const std::string& text) {
      (self.*m)(sender, row, text);
    };
  }

 private:
  const Published<T>* Find(std::string_view name) const {
    for (const Published<T>& p : table_) {
      if (!name.empty() && p.name == name) return &p;
    }
    return nullptr;
  }

  T& self_;
  std::span<const Published<T>> table_;
};

}  // namespace toolkit
