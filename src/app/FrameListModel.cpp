#include "app/FrameListModel.h"

#include "model/ProjectModel.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr int fixedColumns = 2;

} // namespace

FrameListModel::FrameListModel(const ProjectModel &project, QObject *parent)
    : QAbstractTableModel(parent), project_(project)
{
}

int FrameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : project_.Cells.rowCount() - 1;
}

int FrameListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FrameColumnCount;
}

QVariant FrameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return project_.Cells.cell(index.column(), index.row() + 1);
    }
    if (role == Qt::BackgroundRole && index.column() < fixedColumns) {
        return QGuiApplication::palette().button();
    }
    // The fixed columns are not enabled, so that neither the mouse nor the keys can make them current;
    // their text still reads as normal text.
    if (role == Qt::ForegroundRole && index.column() < fixedColumns) {
        return QGuiApplication::palette().text();
    }
    return {};
}

QVariant FrameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < FrameColumnCount) {
        return HeadingShown(project_.Cells.cell(section, 0));
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags FrameListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return index.column() < fixedColumns ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void FrameListModel::reload()
{
    beginResetModel();
    endResetModel();
}
