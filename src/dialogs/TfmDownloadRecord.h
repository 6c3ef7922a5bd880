#pragma once

#include "record/DownloadEntry.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QLabel;
class QTableWidget;

// Which downloads of the record belong to a project: those whose SHA-256 is among `digests` (the
// project's file as it is now, or the bytes an unsaved project would be saved as) and those of the
// same file path, earlier versions of it included. Newest first, as the record gives them.
std::vector<DownloadEntry> DownloadsOfProject(const std::vector<DownloadEntry> &entries, const QString &path,
                                              const QStringList &digests);

// "Download Record...": a read-only list of the open project's downloads, newest first, each with the
// bus, port, whether its bytes are the project's as they are now, the lines, packets and outcome.
class TfmDownloadRecord : public QDialog {
    Q_OBJECT
public:
    // `heading` says whose downloads these are; `problem`, when not empty, why the record could not be
    // read (shown instead of the list's rows).
    TfmDownloadRecord(const std::vector<DownloadEntry> &entries, const QStringList &currentDigests,
                      const QString &heading, const QString &problem, const QString &recordPath,
                      QWidget *parent = nullptr);

    QLabel *Heading = nullptr;
    QTableWidget *Downloads = nullptr;
};
