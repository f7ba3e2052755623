#pragma once

#include <string>
#include <string_view>

#include "entry_line.h"
#include "line_reader.h"
#include "report_log.h"
#include "table_set.h"

// What storing one entry line did: its values went into the table, it was
// ignored with a warning, or it was refused with an error.
enum class StoreResult { stored, ignored, refused };

// Stores one parsed entry line of the cleaned line `line` by the rules of
// its table. A one-row table given a row above 0 reports its warning and
// ignores the line; a refused line leaves its message in errorText,
// uncounted. Nothing changes unless the line is stored.
StoreResult storeEntryLine(std::string_view line, const EntryLine& entry,
                           TableSet& tables, ReportLog& report,
                           std::string& errorText);

// Reads the tables file to its end into the tables. Warnings are reported at
// once; the first error stops the reading, counts one error and returns
// false with its message in errorText. A read that fails also returns false,
// uncounted, with the reader's readFailed set.
[[nodiscard]] bool buildTables(LineReader& reader, TableSet& tables,
                               ReportLog& report, std::string& errorText);
