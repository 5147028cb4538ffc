#include "storage/CProjectOpenProgress.h"

void CProjectOpenProgress::filesRead(int iRead, int iTotal)
{
    // Files finish out of order on several threads: keep the highest count.
    int iSeen = m_iRead.load(std::memory_order_relaxed);
    while (iRead > iSeen && !m_iRead.compare_exchange_weak(iSeen, iRead, std::memory_order_relaxed)) {
    }
    m_iTotal.store(iTotal, std::memory_order_relaxed);
}
