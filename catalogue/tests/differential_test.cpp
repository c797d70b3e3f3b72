// dravel-catalogue against the platform's own profile functions: for every file of a corpus of
// tricky cases and a few hundred generated ones, the command's lines must equal the lines that
// GetPrivateProfileStringA and sscanf give. Runs under wine with LC_ALL=C (code page 1252).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/tests/profile_reference.h"

namespace {

using namespace std::string_literals;

std::string Directory(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string ProgramDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return Directory(path);
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The standard output of dravel-catalogue for the file, with the runtime's CR before each LF
// taken out (no field holds a raw CR: the command escapes it).
std::string CommandLines(const std::string& file, const std::string& outputFile) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(output, INVALID_HANDLE_VALUE);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  std::string command = std::string(1, '"')
                            .append(ProgramDirectory())
                            .append("\\dravel-catalogue.exe\" \"")
                            .append(file)
                            .append("\"");
  const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(output);
  EXPECT_TRUE(started);
  if (!started) return {};
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  std::string lines = ReadAll(outputFile);
  std::erase(lines, '\r');
  return lines;
}

class DifferentialTest : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    directory_ = std::string(temp) + "dravel-catalogue-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory_.c_str(), nullptr);
  }
  void TearDown() override {
    DeleteFileA(OutputFile().c_str());
    RemoveDirectoryA(directory_.c_str());
  }

  // Compares both readings of one file; the file is kept for inspection when they differ.
  void Compare(const std::string& label, const std::string& bytes) {
    SCOPED_TRACE(label);
    const std::string file = directory_ + "\\" + std::to_string(++files_) + ".ini";
    std::ofstream(file, std::ios::binary) << bytes;
    const std::string expected = profile_reference::Lines(file);
    EXPECT_EQ(CommandLines(file, OutputFile()), expected) << "file " << file;
    if (!HasFailure()) DeleteFileA(file.c_str());
  }

  std::string OutputFile() const { return directory_ + "\\output.txt"; }

 private:
  std::string directory_;
  int files_ = 0;
};

std::string Utf16(const std::string& text, bool littleEndian) {
  std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (char c : text) bytes += littleEndian ? std::string{c, '\0'} : std::string{'\0', c};
  return bytes;
}

// Sections "s0000", "s0001", ... of `nameSize` characters each, then one named `last`.
std::string ManySections(int count, std::size_t nameSize, const std::string& last) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "literal" + std::string.
    std::string name(1, 's');
    name += std::to_string(i);
    name.resize(nameSize, 'x');
    text.append("[").append(name).append("]\nname=v").append(std::to_string(i)).append("\n");
  }
  return text + "[" + last + "]\nname=last\n";
}

TEST_F(DifferentialTest, Corpus) {
  const struct {
    const char* label;
    std::string bytes;
  } cases[] = {
      {"plain", "[table_00]\r\nname=Alpha\r\n[table_01]\r\n[table_05]\r\nname=Gamma\r\n"},
      {"blanks", "  [ table_02 ]  \n  name  =   spaced value  \t\n[table_03]\nname=\n"
                 "[ a ]\n[a]\nname=found\n"},
      {"comments", "; top\n[table_00]\n;name=hidden\n# name=hash\nname=Shown\n"},
      {"quotes", "[a]\nname=\"quoted\"\n[b]\nname='single'\n[c]\nname=\"open\n[d]\nname=\"\n"
                 "[e]\nname=\"\"\n[f]\nname=\"mixed'\n[g]\nname= \"in\" out\" \n[h]\nname='\n"},
      {"letter case", "[Table_01]\nNAME=upper\n[table_01]\nname=lower\n[TABLE_01]\nNaMe=x\n"},
      {"duplicates", "[a]\nkey=1\n[a]\nname=second\n[b]\nname=first\n[B]\nname=second\n"},
      {"before first section", "name=before\nother=1\n[   ]\n[table_00]\nname=x\n"},
      {"line ends", "[a]\rname=cr\r[b]\nname=lf\n[c]\r\nname=crlf\r\n[d]\n\rname=lfcr"},
      {"no final line end", "[a]\nname=last"},
      {"utf-8 mark", "\xEF\xBB\xBF[table_00]\nname=bom\n"},
      {"utf-16 le mark", Utf16("[table_00]\r\nname=wide\r\n[b]\r\n", true)},
      {"utf-16 be mark", Utf16("[table_00]\r\nname=wide\r\n[b]\r\n", false)},
      {"nul bytes", "[ta\0ble]\nname=x\n[\0hidden]\nname=y\n[ok]\nna\0me=z\nname\0junk=w\n"
                    "[ok2]\nname=v\0tail\n"s},
      {"odd headers", "[a]b]\n[c\n[d] trailing\nname=x\n[]\nname=empty\n[[e]]\nname=e\n"},
      {"key without value", "[a]\nname\nname=later\n[b]\n name = v = w \n"},
      {"control blanks", "\x1a[a]\x1a\nname=\x0b v \x0c\n[b]\n\x1aname\x1a=\x1ax\x1a\n"},
      {"eight-bit text", "[\xc9t\xe9]\nname=\xe9\xe8\x80\x81\xff\n[\xe9t\xe9]\nname=lower\n"
                         "[\x8a]\n[\x9a]\nname=s\n"},
      {"table numbers", "[table_7]\n[table_42x]\n[table_100]\n[table_123]\n[table_-3]\n"
                        "[table_+5]\n[table_ 5]\n[table_]\n[table_x1]\n[table_-]\n[Table_01]\n"
                        "[tbl_01]\n[table_\t7]\n[table_-03]\n[table_+]\n[table_\x0b\x31]\n"},
      {"long values", "[a]\nname=" + std::string(3000, 'v') + "\n[b]\nname=\"" +
                          std::string(2045, 'q') + "\"\n[c]\nname=\"" + std::string(2100, 'r') +
                          "\"\n[d]\nname=" + std::string(2047, 'w') + "\n"},
      {"empty", ""},
      {"blank", " \r\n\t\n"},
      {"lone bracket", "["},
      {"list cut inside a name", ManySections(2046, 7, "crossing the limit")},
      {"list ends at a name's end", ManySections(2047, 7, "123456") + "[more]\n"},
      {"list cuts the last character", ManySections(2047, 7, "1234567")},
      {"list with no room left", ManySections(2046, 7, "abcdefghijklm") + "[more]\n"},
      {"one long name", "[" + std::string(20000, 'n') + "]\nname=long\n"},
      {"cut name found later", "[" + std::string(16390, 'c') + "]\n[" + std::string(16382, 'c') +
                                   "]\nname=cut\n"},
  };
  for (const auto& c : cases) Compare(c.label, c.bytes);
}

// A random file built from the pieces that matter to the dialect.
std::string RandomFile(std::mt19937& random) {
  static const std::vector<std::string> pieces = {
      "table_", "0", "1", "7", "42", "a", "A", "name", "NAME", " ", "\t", "\x1a", "\x0b",
      "["s, "]", "=", "\"", "'", ";", "#", "\xe9", "\xc9", "\x80", "\0"s, "x", "-", "+"};
  static const std::vector<std::string> lineEnds = {"\n", "\r\n", "\r", "\n\r", "\n\n"};
  const auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  const auto chance = [&](int percent) {
    return std::uniform_int_distribution<int>(0, 99)(random) < percent;
  };
  const auto text = [&](int most) {
    std::string t;
    for (int n = std::uniform_int_distribution<int>(0, most)(random); n > 0; --n) t += pick(pieces);
    return t;
  };
  std::string file = chance(5) ? "\xEF\xBB\xBF" : "";
  const bool utf8 = !file.empty();
  if (chance(3)) {
    file += ManySections(std::uniform_int_distribution<int>(2030, 2060)(random), 7, text(3));
  }
  const int lines = std::uniform_int_distribution<int>(0, 40)(random);
  for (int i = 0; i < lines; ++i) {
    if (chance(35)) {
      file += text(1) + "[" + (chance(50) ? "table_" + text(2) : text(4)) + "]" + text(1);
    } else {
      static const std::vector<std::string> keys = {"name", "NAME", "Name", " name ", "nam",
                                                    "names", ";name", "#name", "x"};
      file += chance(80) ? pick(keys) : text(3);
      if (chance(85)) file += text(1) + "=" + text(6);
    }
    file += pick(lineEnds);
  }
  if (utf8) {
    // After a UTF-8 mark only ASCII is compared: the platform converts the rest to its code page.
    for (std::size_t i = 3; i < file.size(); ++i) {
      if (static_cast<unsigned char>(file[i]) >= 0x80) file[i] = '?';
    }
  }
  return file;
}

TEST_F(DifferentialTest, GeneratedFiles) {
  std::mt19937 random(20240611);
  for (int i = 0; i < 300; ++i) Compare("generated file " + std::to_string(i), RandomFile(random));
}

}  // namespace
