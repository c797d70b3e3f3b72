#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace catalogue {
namespace {

using namespace std::string_literals;
using Sections = std::vector<TableSection>;

TEST(ParseTableCatalogue, Dialect) {
  const struct {
    const char* label;
    std::string text;
    Sections expected;
  } cases[] = {
      {"sections in file order",
       "[table_00]\nname=Alpha\n[table_01]\n[table_05]\nname=Gamma\n",
       {{"table_00", "Alpha"}, {"table_01", "Unknown"}, {"table_05", "Gamma"}}},
      {"empty value is not missing", "[a]\nname=\n", {{"a", ""}}},
      {"other keys ignored", "[a]\nid=3\nname=x\nnamed=y\n", {{"a", "x"}}},
      {"blanks around lines, names and values",
       " \t[ a ] \r\n  name \t=  two  words \x1a\n",
       {{"a", "two  words"}}},
      {"comment lines are keys that never match", "[a]\n;name=no\n#name=no\nname=yes\n",
       {{"a", "yes"}}},
      {"key and section letter case", "[a]\nNAME=upper\n[A]\nname=second\n",
       {{"a", "upper"}, {"A", "upper"}}},
      {"only A-Z fold", "[\xc9]\nname=upper\n[\xe9]\nname=lower\n",
       {{"\xc9", "upper"}, {"\xe9", "lower"}}},
      {"duplicate section: only the first is searched", "[a]\nid=1\n[a]\nname=second\n",
       {{"a", "Unknown"}, {"a", "Unknown"}}},
      {"first key wins, even without a value", "[a]\nname\nname=later\n[b]\nname=1\nname=2\n",
       {{"a", "Unknown"}, {"b", "1"}}},
      {"value up to the line end, '=' included", "[a]\nname = v = w\n", {{"a", "v = w"}}},
      {"lines before the first section are never listed", "name=x\n[a]\nname=y\n",
       {{"a", "y"}}},
      {"a blank section name is not listed", "[  ]\nname=x\n[]\n[b]\n", {{"b", "Unknown"}}},
      {"line ends CR, LF, CRLF, LFCR", "[a]\rname=1\r[b]\nname=2\n[c]\r\nname=3\r\n[d]\n\rname=4",
       {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}}},
      {"header up to the last ']'", "[a]b] tail\nname=x\n", {{"a]b", "x"}}},
      {"'[' without ']' is a key line", "[a]\n[name=x\nname=y\n", {{"a", "y"}}},
      {"quotes removed in pairs",
       "[a]\nname=\"q\"\n[b]\nname='s'\n[c]\nname=\"open\n[d]\nname=\"\n[e]\nname=\"\"\n"
       "[f]\nname=\"mixed'\n",
       {{"a", "q"}, {"b", "s"}, {"c", "\"open"}, {"d", "\""}, {"e", ""}, {"f", "\"mixed'"}}},
      {"NUL ends names and values",
       "[ab\0cd]\nname=v\0w\n[\0x]\nname=hidden\n[k]\nna\0me=no\nname\0=yes\n"s,
       {{"ab", "v"}, {"k", "yes"}}},
      {"UTF-8 mark skipped", "\xEF\xBB\xBF[a]\nname=\xC3\xA9\n", {{"a", "\xC3\xA9"}}},
      {"UTF-16 LE", "\xFF\xFE[\0a\0]\0\n\0n\0a\0m\0e\0=\0\xE9\0"s, {{"a", "?"}}},
      {"UTF-16 BE, odd byte dropped", "\xFE\xFF\0[\0a\0]\0\n\0n\0a\0m\0e\0=\0x\0"s,
       {{"a", "x"}}},
      {"empty", "", {}},
      {"garbage", "\xff\x00]]=[\x01"s, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ParseTableCatalogue(c.text), c.expected);
  }
}

TEST(ParseTableCatalogue, DisplayNameCutTo2047) {
  const std::string longest(2047, 'v');
  const struct {
    std::string value;
    std::string expected;
  } cases[] = {
      {longest, longest},
      {longest + "tail", longest},
      {"\"" + longest.substr(1) + "\"", longest.substr(1)},
      // 2047 characters between quotes all fit; the platform drops the last of them.
      {"\"" + longest + "\"", longest},
      {"\"" + longest + "more\"", longest},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value.size());
    EXPECT_EQ(ParseTableCatalogue("[a]\nname=" + c.value + "\n"), (Sections{{"a", c.expected}}));
  }
}

// Sections "s0000001" ... (8 characters each, 9 with the terminator) and then `last`.
std::string Sections9(int count, const std::string& last) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    std::string name = std::to_string(10000000 + i);
    name[0] = 's';
    text.append("[").append(name).append("]\n");
  }
  return text.append("[").append(last).append("]\nname=last\n");
}

TEST(ParseTableCatalogue, NameListLimit) {
  // 1820 names of 9 characters leave 16383 - 16380 = 3 for the rest of the list.
  const struct {
    const char* label;
    std::string text;
    std::string lastListed;
  } cases[] = {
      {"fits exactly", Sections9(1820, "ab") + "[more]\n", "ab"},
      {"cut by one", Sections9(1820, "abc"), "ab"},
      {"cut short", Sections9(1820, "abcdefgh"), "ab"},
      {"no room for another", Sections9(1819, "123456789a") + "[more]\n", "123456789a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const Sections sections = ParseTableCatalogue(c.text);
    ASSERT_FALSE(sections.empty());
    EXPECT_EQ(sections.back().sectionName, c.lastListed);
    std::size_t used = 1;
    for (const auto& section : sections) used += section.sectionName.size() + 1;
    EXPECT_LE(used, 16384u);
  }
}

TEST(ParseTableCatalogue, CutNameLooksUpItsOwnSection) {
  const std::string name(20000, 'n');
  const std::string cut(16382, 'n');
  EXPECT_EQ(ParseTableCatalogue("[" + name + "]\nname=whole\n"), (Sections{{cut, "Unknown"}}));
  EXPECT_EQ(ParseTableCatalogue("[" + name + "]\nname=whole\n[" + cut + "]\nname=cut\n"),
            (Sections{{cut, "cut"}}));
}

TEST(ParseTableCatalogue, ManySectionsAndLongLines) {
  std::string text;
  for (int i = 0; i < 1000000; ++i) text += "[t]\n";
  text += "name=" + std::string(10 << 20, 'x') + "\n";
  const Sections sections = ParseTableCatalogue(text);
  EXPECT_EQ(sections.size(), 8191u);
  EXPECT_EQ(sections.front(), (TableSection{"t", "Unknown"}));
}

}  // namespace
}  // namespace catalogue
