#include "table_model.h"

namespace kurvex {

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grapher_.TableRowCount() - 1;
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() + 1 >= grapher_.TableRowCount())
        return {};
    return QString::fromStdString(grapher_.Cell(index.column(), index.row() + 1));
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section > 1)
        return {};
    return QString::fromStdString(grapher_.Cell(section, 0));
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TableModel::Refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace kurvex
