#pragma once

#include <QAbstractTableModel>

class ProjectModel;

// Shows the project's frame list cells in the list control: row r of the view is frame r (list row
// r + 1), the headings are the cells of list row 0. The first two columns are fixed: they cannot be
// selected. The window calls reload() after every change of the list.
class FrameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FrameListModel(const ProjectModel &project, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void reload();

private:
    const ProjectModel &project_;
};
