#include "BattleStage.h"

namespace duelmark {

BattleStage* BattleStage::current_ = nullptr;

BattleStage::BattleStage() : previous_(current_) { current_ = this; }

BattleStage::~BattleStage() {
  for (BattleStage** link = &current_; *link; link = &(*link)->previous_) {
    if (*link == this) {
      *link = previous_;
      return;
    }
  }
}

}  // namespace duelmark
