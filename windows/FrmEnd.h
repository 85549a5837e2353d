#pragma once
// The end window: who won, and how many moves each side made.
#include "Window.h"

namespace duelmark {

class FrmEnd final : public rt::Window {
 public:
  static constexpr const char* kName = "frmEnd";
  FrmEnd();

  // Takes the move counts as they stand, at the first touch by an end check.
  void Form_Load() override;

  rt::Control& lblEnd;
  rt::Control& lblTotal;
  rt::Control& lblHero;
  rt::Control& lblEnemy;
};

// The end window's single instance, created and loaded on first use.
FrmEnd& frmEnd();

}  // namespace duelmark
