#include "qt_component_chooser.h"

#include "component_select_window.h"

namespace deadhold::ui {

BulletEntry QtComponentChooser::chooseBullet() {
  return runComponentSelection<BulletEntry>(parent_);
}

PowderEntry QtComponentChooser::choosePowder() {
  return runComponentSelection<PowderEntry>(parent_);
}

PrimerEntry QtComponentChooser::choosePrimer() {
  return runComponentSelection<PrimerEntry>(parent_);
}

}  // namespace deadhold::ui
