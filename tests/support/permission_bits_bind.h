#pragma once

#include <linux/capability.h>

namespace deadhold::testing {

// Makes file permission bits bind this process even when it runs as root, by lowering the two
// capabilities that let root read and write past them; they are raised again at the end of the
// scope. Tests of unreadable files and read-only folders then hold in CI, which runs as root.
// For anyone else it changes nothing.
class PermissionBitsBind {
 public:
  PermissionBitsBind();
  ~PermissionBitsBind();
  PermissionBitsBind(const PermissionBitsBind&) = delete;
  PermissionBitsBind& operator=(const PermissionBitsBind&) = delete;

 private:
  __user_cap_data_struct saved_[_LINUX_CAPABILITY_U32S_3]{};
  bool lowered_ = false;
};

}  // namespace deadhold::testing
