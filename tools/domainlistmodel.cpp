#include "tools/domainlistmodel.h"

#include "core/applog.h"
#include "tools/domainfilter.h"

void DomainListModel::setItems(AddressList items)
{
    beginResetModel();
    m_items = std::move(items);
    endResetModel();
}

void DomainListModel::append(const AddressList& items)
{
    if (items.isEmpty())
        return;
    const int first = int(m_items.size());
    beginInsertRows({}, first, first + int(items.size()) - 1);
    m_items.append(items);
    endInsertRows();
}

int DomainListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant DomainListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return shownText(m_items.at(index.row()));
}

bool DomainListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString typed = value.toString();
    // An editor closed without a change hands back the shown text: the domain keeps its
    // bytes, which a line shown one character a byte would not survive re-encoding.
    if (typed == shownText(m_items.at(index.row())))
        return true;
    const std::optional<QByteArray> domain = editedDomain(typed.toLocal8Bit());
    if (!domain)
        return false;
    m_items.replace(index.row(), *domain);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags DomainListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

QVariant DomainListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QStringLiteral(" ");
    return {};
}
