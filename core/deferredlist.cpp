#include "core/deferredlist.h"

DeferredList& DeferredList::operator=(AddressList list)
{
    m_make = nullptr;
    m_list = std::move(list);
    return *this;
}

void DeferredList::defer(qsizetype size, std::function<AddressList()> make)
{
    m_list.clear();
    m_deferredSize = size;
    m_make = std::move(make);
}

AddressList& DeferredList::made() const
{
    if (m_make) {
        m_list = m_make();
        m_make = nullptr;
    }
    return m_list;
}
