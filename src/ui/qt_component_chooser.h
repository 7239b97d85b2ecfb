#pragma once

#include "loadinfo/component_chooser.h"

class QWidget;

namespace deadhold::ui {

// The load editor's catalogue buttons in Qt: each opens its selection dialog over the editor.
class QtComponentChooser : public ComponentChooser {
 public:
  void setParentWindow(QWidget* parent) { parent_ = parent; }

  BulletEntry chooseBullet() override;
  PowderEntry choosePowder() override;
  PrimerEntry choosePrimer() override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace deadhold::ui
