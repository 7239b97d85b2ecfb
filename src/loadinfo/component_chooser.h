#pragma once

#include "components/bullet_entry.h"
#include "components/powder_entry.h"
#include "components/primer_entry.h"

namespace deadhold {

// Runs the load editor's three selection dialogs. Each returns the dialog's chosen entry; an
// entry with an empty maker means the user chose nothing.
class ComponentChooser {
 public:
  virtual ~ComponentChooser() = default;

  virtual BulletEntry chooseBullet() = 0;
  virtual PowderEntry choosePowder() = 0;
  virtual PrimerEntry choosePrimer() = 0;
};

}  // namespace deadhold
