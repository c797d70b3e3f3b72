// Access keys for one menu level, assigned the way the menus assign them by themselves.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// The captions of one menu level, in display order, with each item's access key marked by a
// "&" before it. A caption "-" is a separator: it takes no key and comes back unchanged. Every
// other item takes the first character of its caption that is a digit or a letter A to Z
// (compared in upper case) and that no earlier item of the level has taken; an item that finds
// none comes back unchanged. Captions carry no "&" of their own.
std::vector<std::string> MarkAccessKeys(std::span<const std::string_view> captions);

}  // namespace toolkit
