#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace deadhold {

// The bytes of a large file held whole, in memory the system fills quickly (see
// native::allocateLargeBlock). Growing keeps the bytes held; new bytes are left as they come,
// for the read that fills them.
class LargeBuffer {
 public:
  LargeBuffer() = default;

  char* data() { return block_.get(); }
  const char* data() const { return block_.get(); }
  std::size_t size() const { return size_; }
  std::string_view view() const { return {block_.get(), size_}; }

  // Throws std::bad_alloc when no memory is left; the bytes held stay then.
  void resize(std::size_t size);

 private:
  struct Release {
    void operator()(char* block) const;
  };
  std::unique_ptr<char, Release> block_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace deadhold
