#pragma once

#include <cstddef>
#include <vector>

// Memory for the compact blocks of many property lists (see CPropertyList),
// taken in large chunks and given back all at once when the store goes. The
// project keeps the stores its reader filled for as long as it lives, so
// the lists of 100,000 events cost a few large allocations instead of
// 100,000 small ones, and the system can back them with large pages. Not
// thread-safe: each reading thread fills a store of its own.
class CPropertyStore
{
public:
    CPropertyStore();
    ~CPropertyStore();
    CPropertyStore(const CPropertyStore &) = delete;
    CPropertyStore &operator=(const CPropertyStore &) = delete;

    // Room for uSize bytes, aligned for the blocks' rows (8 bytes); it
    // lives as long as the store.
    std::byte *allocate(size_t uSize);
    // Bytes handed out, and bytes taken from the system.
    size_t usedBytes() const { return m_uUsed; }
    size_t reservedBytes() const { return m_uReserved; }

private:
    struct Chunk
    {
        std::byte *pMemory;
        size_t uSize;
        bool bMapped; // straight from the system, else from the heap
    };
    static Chunk newChunk(size_t uSize);

    std::vector<Chunk> m_chunks;
    std::byte *m_pFree = nullptr; // in the last whole chunk
    size_t m_uLeft = 0;
    size_t m_uUsed = 0;
    size_t m_uReserved = 0;
};
