#include "common/large_buffer.h"

#include <cstring>
#include <new>

#include "common/native_file.h"

namespace deadhold {

void LargeBuffer::Release::operator()(char* block) const { native::releaseLargeBlock(block); }

void LargeBuffer::resize(std::size_t size) {
  if (size > capacity_) {
    std::unique_ptr<char, Release> grown(static_cast<char*>(native::allocateLargeBlock(size)));
    if (!grown) throw std::bad_alloc();
    if (size_ > 0) std::memcpy(grown.get(), block_.get(), size_);
    block_ = std::move(grown);
    capacity_ = size;
  }
  size_ = size;
}

}  // namespace deadhold
