#pragma once

#include "loadinfo/component_chooser.h"

namespace deadhold::testing {

// Answers the load editor's catalogue buttons with set entries (empty ones: nothing chosen)
// and counts the dialogs it was asked to run.
class FakeComponentChooser : public ComponentChooser {
 public:
  BulletEntry chooseBullet() override {
    ++runs;
    return bullet;
  }
  PowderEntry choosePowder() override {
    ++runs;
    return powder;
  }
  PrimerEntry choosePrimer() override {
    ++runs;
    return primer;
  }

  BulletEntry bullet;
  PowderEntry powder;
  PrimerEntry primer;
  int runs = 0;
};

}  // namespace deadhold::testing
