#include "session.h"

std::unique_ptr<TSonucBilgisi> Session::copy() const
{
    QMutexLocker lock(&m_lock);
    auto c = std::make_unique<TSonucBilgisi>();
    c->Kopyala(m_record);
    return c;
}

TSonucBilgisi Session::snapshot() const
{
    QMutexLocker lock(&m_lock);
    return m_record;
}

void Session::Kopyala(const TSonucBilgisi &source)
{
    QMutexLocker lock(&m_lock);
    m_record.Kopyala(source);
}

void Session::update(const std::function<void(TSonucBilgisi &)> &change)
{
    QMutexLocker lock(&m_lock);
    change(m_record);
}
