#include "model/CPropertyStore.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {
// Whole chunks are the size of a large page and aligned to it. A store
// starts with smaller ones, so a small project does not take a large page
// per reading thread.
constexpr size_t kChunkSize = size_t(2) << 20;
constexpr size_t kFirstChunkSize = size_t(64) << 10;
constexpr size_t kAlignment = 8;
} // namespace

CPropertyStore::CPropertyStore() = default;

CPropertyStore::~CPropertyStore()
{
    for (const Chunk &chunk : m_chunks) {
#ifdef __linux__
        if (chunk.bMapped) {
            munmap(chunk.pMemory, chunk.uSize);
            continue;
        }
#endif
        std::free(chunk.pMemory);
    }
}

CPropertyStore::Chunk CPropertyStore::newChunk(size_t uSize)
{
#ifdef __linux__
    // Taken from the system and given back to it when the store goes (the
    // heap would keep it), aligned to a large page: millions of small pages
    // cost a fault each, and where the system offers large pages on
    // request a chunk takes one.
    if (uSize == kChunkSize) {
        void *pMapped = mmap(nullptr, 2 * kChunkSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pMapped != MAP_FAILED) {
            auto *pBegin = static_cast<std::byte *>(pMapped);
            const auto uAddress = reinterpret_cast<std::uintptr_t>(pBegin);
            const size_t uHead = (kChunkSize - uAddress % kChunkSize) % kChunkSize;
            if (uHead > 0)
                munmap(pBegin, uHead);
            munmap(pBegin + uHead + kChunkSize, kChunkSize - uHead);
            madvise(pBegin + uHead, kChunkSize, MADV_HUGEPAGE);
            return {pBegin + uHead, kChunkSize, true};
        }
    }
#endif
    void *pMemory = std::malloc(uSize);
    if (!pMemory)
        throw std::bad_alloc();
    return {static_cast<std::byte *>(pMemory), uSize, false};
}

std::byte *CPropertyStore::allocate(size_t uSize)
{
    uSize = (uSize + kAlignment - 1) / kAlignment * kAlignment;
    m_uUsed += uSize;
    // A block larger than a quarter chunk gets a chunk of its own.
    if (uSize > kChunkSize / 4) {
        m_chunks.push_back(newChunk(uSize));
        m_uReserved += uSize;
        return m_chunks.back().pMemory;
    }
    if (uSize > m_uLeft) {
        // Each chunk as large as all before it (and the block), up to a
        // whole one.
        size_t uChunk = kFirstChunkSize;
        while ((uChunk < m_uReserved || uChunk < uSize) && uChunk < kChunkSize)
            uChunk *= 2;
        m_chunks.push_back(newChunk(uChunk));
        m_uReserved += uChunk;
        m_pFree = m_chunks.back().pMemory;
        m_uLeft = uChunk;
    }
    std::byte *pBlock = m_pFree;
    m_pFree += uSize;
    m_uLeft -= uSize;
    return pBlock;
}
