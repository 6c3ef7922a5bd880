#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Comma-separated values as spreadsheets write them: UTF-8 with or without a byte-order mark, records
// ended by CRLF, LF or CR, fields in double quotes when they hold commas, quotes (doubled) or line breaks.

struct CsvRecords {
    // Record i is row i + 1 as a spreadsheet numbers it; a line break inside quotes stays in its field.
    std::vector<QStringList> records;
    // Why the text is no table, and the row where that shows (0 when there is no problem).
    QString error;
    int errorRow = 0;
};

CsvRecords ReadCsvRecords(const QByteArray &bytes);
