#pragma once

#include "core/addresslist.h"

#include <QAbstractListModel>

// The items of one domain list view: raw domain bytes, shown as the locale shows them.
// An edited item stores the typed text in the locale's encoding; every other item keeps
// its bytes exactly.
class DomainListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    const AddressList& items() const { return m_items; }
    void setItems(AddressList items);
    void append(const AddressList& items);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    AddressList m_items;
};
