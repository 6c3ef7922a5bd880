#pragma once

#include <QByteArray>
#include <QIODevice>
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

// The largest table read: far more than 500 rows of any sensible route table, and a bound on what a
// wrong file (a disc image, a device that never ends) can make the reader hold.
constexpr qint64 MaxCsvBytes = qint64{16} << 20;

// Reads an open table of at most MaxCsvBytes; a longer one is refused at row 1 without being read on.
CsvRecords ReadCsvFile(QIODevice &device);
