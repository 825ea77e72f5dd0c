#pragma once
// Whole genomes mean buffers of tens of megabytes, made again at every
// translation. glibc hands such blocks straight back to the system and maps
// fresh, untouched pages for the next one, and first touches of fresh pages
// cost more than the translation itself. Keeping large blocks in the heap
// lets the next translation reuse pages that are already mapped.
#include <malloc.h>

namespace bxl {

inline void keepLargeBuffersMapped() {
#ifdef M_MMAP_THRESHOLD
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

}  // namespace bxl
