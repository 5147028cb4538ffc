#pragma once

#include "storage/IProjectOpenObserver.h"

#include <atomic>

// The progress of one open as plain numbers: the loading threads write it,
// the user interface reads it on a timer and sets the cancel flag.
class CProjectOpenProgress : public IProjectOpenObserver
{
public:
    void filesRead(int iRead, int iTotal) override;
    bool isCanceled() const override { return m_bCanceled.load(std::memory_order_relaxed); }

    void cancel() { m_bCanceled.store(true, std::memory_order_relaxed); }
    int read() const { return m_iRead.load(std::memory_order_relaxed); }
    int total() const { return m_iTotal.load(std::memory_order_relaxed); }

private:
    std::atomic<int> m_iRead{0};
    std::atomic<int> m_iTotal{0};
    std::atomic<bool> m_bCanceled{false};
};
