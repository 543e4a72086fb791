#pragma once

#include "core/addresslist.h"

#include <functional>

// A list whose entries may be made only when something first reads them: a command can leave
// behind a long list that is seldom read (the sort's composite lines) without holding it.
// It converts to the list it holds, so it is read and written wherever a list is; a deferred
// list is made then, once.
class DeferredList {
public:
    DeferredList& operator=(AddressList list);
    // From now on the list is the `size` entries `make` returns, made when first read.
    void defer(qsizetype size, std::function<AddressList()> make);
    void clear() { *this = AddressList(); }

    qsizetype size() const { return m_make ? m_deferredSize : m_list.size(); }
    bool isEmpty() const { return size() == 0; }

    operator const AddressList&() const { return made(); }
    operator AddressList&() { return made(); }

private:
    AddressList& made() const;

    mutable AddressList m_list;
    mutable std::function<AddressList()> m_make;
    qsizetype m_deferredSize = 0;
};
