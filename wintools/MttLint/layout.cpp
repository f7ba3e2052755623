#include "layout.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include "quoted_text.h"

namespace {

// Text padded with blanks to width, or as it is when longer.
std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) {
    text.append(width - text.size(), ' ');
  }
  return text;
}

// Text after blanks that bring it to width.
std::string rightAligned(const std::string& text, std::size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text
                             : text;
}

int rowsWritten(const Table& table) {
  return table.shape.kind == TableKind::oneRow ? 1 : table.maxRowIndex + 1;
}

// The first cell of the writer's walk without a value, as "row R, column
// C", or the empty text.
std::string firstHole(const Table& table) {
  for (int row = 0; row < rowsWritten(table); ++row) {
    for (int column = 0; column < table.maxColumnCount; ++column) {
      if (!table.cells[row][column].isSet) {
        return "stops at row " + hexNumber(row) + ", column " +
               std::to_string(column) + ": no value";
      }
    }
  }
  return "";
}

std::string recordStart(int index, char page) {
  char text[16];
  std::snprintf(text, sizeof text, "g%02X%c", static_cast<unsigned>(index),
                page);
  return text;
}

}  // namespace

void printTableLayout(std::ostream& out, const std::string& file,
                      const TablesCheck& check) {
  out << file << ": the tables as mapgen writes them, in this order\n";
  out << "table  rows  columns  records\n";
  for (const char* letter = "jlnhkrbtye"; *letter != '\0'; ++letter) {
    const Table& table = *findTable(check.tables, *letter);
    const int rows = rowsWritten(table);
    const std::string hole = firstHole(table);
    out << padded(std::string(1, *letter), 5)
        << rightAligned(std::to_string(rows), 6)
        << rightAligned(std::to_string(table.maxColumnCount), 9) << "  "
        << (hole.empty()
                ? rightAligned(std::to_string(rows * table.maxColumnCount), 7)
                : hole)
        << '\n';
  }
}

void printStructureLayout(std::ostream& out, const std::string& file,
                          const HeaderCheck& header,
                          const ConfigCheck* values) {
  for (int i = 0; i < kConfigStructureCount; ++i) {
    const ConfigStructure& structure = kConfigStructures[i];
    const FieldTable& table = header.tables[static_cast<std::size_t>(i)];
    out << file << ": " << structure.name << ", page " << structure.page << ", "
        << table.count << (table.count == 1 ? " record" : " records") << '\n';
    if (table.count == 0) {
      continue;
    }
    std::size_t nameWidth = 4;
    for (int r = 0; r < table.count; ++r) {
      nameWidth = std::max(
          nameWidth,
          quote(table.records[static_cast<std::size_t>(r)].name).size());
    }
    // Very long names just push their line's last column out.
    nameWidth = std::min<std::size_t>(nameWidth, 40);
    out << "index  record  value  " << padded("name", nameWidth)
        << "  value from\n";
    for (int r = 0; r < table.count; ++r) {
      const FieldRecord& record = table.records[static_cast<std::size_t>(r)];
      const bool assigned = values != nullptr && record.assigned;
      ValueSource source;
      if (assigned) {
        source = values->sources[static_cast<std::size_t>(i)]
                                [static_cast<std::size_t>(r)];
      }
      out << rightAligned(std::to_string(r), 5) << "  "
          << padded(recordStart(r, structure.page), 6) << "  "
          << padded(assigned ? record.value : "--", 5) << "  "
          << padded(quote(record.name), nameWidth) << "  "
          << (assigned ? sourceText(*values, source) : "no value") << '\n';
    }
  }
}
