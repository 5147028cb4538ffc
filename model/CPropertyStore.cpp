#include "model/CPropertyStore.h"

#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {
// Chunks are the size of a large page and aligned to it.
constexpr size_t kChunkSize = size_t(2) << 20;
constexpr size_t kAlignment = 8;
} // namespace

CPropertyStore::CPropertyStore() = default;
CPropertyStore::~CPropertyStore() = default;

void CPropertyStore::ChunkDeleter::operator()(std::byte *pChunk) const
{
    std::free(pChunk);
}

CPropertyStore::Chunk CPropertyStore::newChunk(size_t uSize)
{
    const bool bWhole = uSize == kChunkSize;
    void *pMemory = bWhole ? std::aligned_alloc(kChunkSize, kChunkSize) : std::malloc(uSize);
    if (!pMemory)
        throw std::bad_alloc();
#ifdef __linux__
    // Millions of small pages cost a fault each; where the system offers
    // large pages on request, a chunk takes one.
    if (bWhole)
        madvise(pMemory, kChunkSize, MADV_HUGEPAGE);
#endif
    return Chunk(static_cast<std::byte *>(pMemory));
}

std::byte *CPropertyStore::allocate(size_t uSize)
{
    uSize = (uSize + kAlignment - 1) / kAlignment * kAlignment;
    m_uUsed += uSize;
    // A block larger than a quarter chunk gets a chunk of its own.
    if (uSize > kChunkSize / 4) {
        m_chunks.push_back(newChunk(uSize));
        m_uReserved += uSize;
        return m_chunks.back().get();
    }
    if (uSize > m_uLeft) {
        m_chunks.push_back(newChunk(kChunkSize));
        m_uReserved += kChunkSize;
        m_pFree = m_chunks.back().get();
        m_uLeft = kChunkSize;
    }
    std::byte *pBlock = m_pFree;
    m_pFree += uSize;
    m_uLeft -= uSize;
    return pBlock;
}
