// SPDX-License-Identifier: GPL-3.0-or-later
#include "po.h"

#include <fstream>
#include <stdexcept>

namespace vargo::tools {

namespace {

struct Reader {
  std::filesystem::path file;
  int line = 0;

  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + what);
  }

  char unescaped(char c) const {
    switch (c) {
      case 'n':
        return '\n';
      case 'r':
        return '\r';
      case 't':
        return '\t';
      case '"':
        return '"';
      case '\\':
        return '\\';
      default:
        fail(std::string("unknown escape \\") + c);
    }
  }

  // The text of a quoted string that makes up the rest of the line.
  std::string quoted(std::string_view rest) const {
    if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"')
      fail("a quoted string was expected");
    std::string text;
    for (std::size_t i = 1; i + 1 < rest.size(); ++i) {
      if (rest[i] == '\\' && i + 2 < rest.size())
        text.push_back(unescaped(rest[++i]));
      else if (rest[i] == '"' || rest[i] == '\\')
        fail("a quote or backslash inside a string must be escaped");
      else
        text.push_back(rest[i]);
    }
    return text;
  }
};

void keep(std::vector<PoEntry>& entries, PoEntry& entry, bool& open) {
  if (open && !entry.id.empty())
    entries.push_back(entry);
  entry = {};
  open = false;
}

}  // namespace

std::vector<PoEntry> readPo(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in)
    throw std::runtime_error(file.string() + ": cannot be read");
  Reader reader{file};
  std::vector<PoEntry> entries;
  PoEntry entry;
  bool open = false;                 // an entry's msgid has been read
  std::string* continued = nullptr;  // the string a "..." line continues
  for (std::string line; std::getline(in, line);) {
    ++reader.line;
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    const std::string_view l = line;
    if (l.empty()) {
      keep(entries, entry, open);
      continued = nullptr;
    } else if (l.starts_with("#,")) {
      keep(entries, entry, open);
      entry.fuzzy = l.find("fuzzy") != std::string_view::npos;
    } else if (l.starts_with("#")) {
      continue;
    } else if (l.starts_with("msgid ")) {
      if (open)
        keep(entries, entry, open);
      entry.id = reader.quoted(l.substr(6));
      continued = &entry.id;
      open = true;
    } else if (l.starts_with("msgstr ")) {
      if (!open)
        reader.fail("msgstr without msgid");
      entry.text = reader.quoted(l.substr(7));
      continued = &entry.text;
    } else if (l.starts_with("\"") && continued != nullptr) {
      continued->append(reader.quoted(l));
    } else {
      reader.fail("not a line of a PO file");
    }
  }
  keep(entries, entry, open);
  return entries;
}

std::string poString(std::string_view keyword, std::string_view text) {
  std::string out(keyword);
  const auto escapedLine = [](std::string_view piece) {
    std::string q = "\"";
    for (const char c : piece) {
      switch (c) {
        case '\n':
          q += "\\n";
          break;
        case '\r':
          q += "\\r";
          break;
        case '\t':
          q += "\\t";
          break;
        case '"':
          q += "\\\"";
          break;
        case '\\':
          q += "\\\\";
          break;
        default:
          q += c;
      }
    }
    return q + "\"\n";
  };
  if (text.find_first_of("\r\n") == std::string_view::npos)
    return out + " " + escapedLine(text);
  out += " \"\"\n";
  // One line a break: a line ends after LF, and after a CR that no LF follows.
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool end = text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    if (end) {
      out += escapedLine(text.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  if (start < text.size())
    out += escapedLine(text.substr(start));
  return out;
}

}  // namespace vargo::tools
