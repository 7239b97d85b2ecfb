#include "support/permission_bits_bind.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

namespace deadhold::testing {
namespace {

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

__user_cap_header_struct capabilityHeader() {
  return {_LINUX_CAPABILITY_VERSION_3, 0};
}

}  // namespace

PermissionBitsBind::PermissionBitsBind() {
  auto header = capabilityHeader();
  if (::syscall(SYS_capget, &header, saved_) != 0) throw std::runtime_error("capget failed");
  if ((saved_[0].effective & kOverrides) == 0) return;
  __user_cap_data_struct lowered[_LINUX_CAPABILITY_U32S_3];
  std::memcpy(lowered, saved_, sizeof lowered);
  lowered[0].effective &= ~kOverrides;
  if (::syscall(SYS_capset, &header, lowered) != 0) throw std::runtime_error("capset failed");
  lowered_ = true;
}

PermissionBitsBind::~PermissionBitsBind() {
  if (!lowered_) return;
  auto header = capabilityHeader();
  ::syscall(SYS_capset, &header, saved_);
}

}  // namespace deadhold::testing
