#pragma once
// The session record shared by the whole window. Workers take their copy
// under a lock, so a customer change on the UI thread can never tear it.

#include "baglantiu.h"

#include <QMutex>
#include <functional>
#include <memory>

class Session
{
public:
    // A fresh copy for one server call (the proxy frees it).
    std::unique_ptr<TSonucBilgisi> copy() const;
    TSonucBilgisi snapshot() const;
    void Kopyala(const TSonucBilgisi &source);
    void update(const std::function<void(TSonucBilgisi &)> &change);

private:
    mutable QMutex m_lock;
    TSonucBilgisi m_record;
};
