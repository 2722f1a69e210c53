// The record arena: records and heap texts are carved out of large blocks
// and released only all together (end of the process, or a test reset).
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/common.h"

namespace {
constexpr size_t kBlockSize = 1 << 20;
// Never destroyed, so the blocks stay reachable until the process ends.
std::vector<unsigned char *> &gBlocks = *new std::vector<unsigned char *>;
size_t gUsed = kBlockSize; // forces a first block
} // namespace

void *ArenaAlloc(size_t bytes) {
  bytes = (bytes + 15) & ~size_t(15);
  if (bytes > kBlockSize) {
    auto *big = static_cast<unsigned char *>(std::calloc(1, bytes));
    if (!big)
      throw std::bad_alloc();
    gBlocks.insert(gBlocks.begin(), big); // keep the current block last
    return big;
  }
  if (gUsed + bytes > kBlockSize) {
    auto *block = static_cast<unsigned char *>(std::calloc(1, kBlockSize));
    if (!block)
      throw std::bad_alloc();
    gBlocks.push_back(block);
    gUsed = 0;
  }
  void *p = gBlocks.back() + gUsed;
  gUsed += bytes;
  return p;
}

void ArenaReset() {
  for (unsigned char *b : gBlocks)
    std::free(b);
  gBlocks.clear();
  gUsed = kBlockSize;
}

static unsigned char *CopyShortString(const Text &t) {
  size_t n = t.size() > kMaxText ? kMaxText : t.size();
  auto *p = static_cast<unsigned char *>(ArenaAlloc(n + 1));
  p[0] = static_cast<unsigned char>(n);
  std::memcpy(p + 1, t.data(), n);
  return p;
}

HeapText NewHeapText(const Text &t) {
  if (t.empty())
    return nullptr;
  return CopyShortString(t);
}

HeapText NewShortString(const Text &t) { return CopyShortString(t); }

Text HeapTextOrEmpty(HeapText h) {
  if (!h)
    return Text();
  return Text(reinterpret_cast<const char *>(h + 1), h[0]);
}
