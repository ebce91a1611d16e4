#pragma once

#include <QAbstractTableModel>

#include "grapher.h"

namespace kurvex {

// The table of values as the grapher holds it: its heading row as the column headers, then
// one read-only row per sample.
class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableModel(const Grapher& grapher, QObject* parent = nullptr)
        : QAbstractTableModel(parent), grapher_(grapher) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The grapher has rewritten its rows, or changed their number.
    void Refresh();

private:
    const Grapher& grapher_;
};

}  // namespace kurvex
