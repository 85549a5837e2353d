#pragma once
// The store of one battle. Every number is a 16-bit signed integer and every flag a 16-bit
// integer with True = -1; everything starts at 0 when the battle is made.
#include <array>

#include "Int16.h"
#include "RuntimeError.h"

namespace duelmark {

using rt::Int16;

// A pointer to one of a record's statistics. Spelled through an alias, which every
// clang-format version lays out alike.
template <typename Record>
using Int16Member = Int16 Record::*;

struct HeroRecord {
  Int16 Health = 0;
  Int16 MaxHealth = 0;
  Int16 Attack = 0;
  Int16 Defence = 0;
  Int16 Magic = 0;
  Int16 MagicDef = 0;
  Int16 Alive = rt::kFalse;
};

struct EnemyRecord {
  Int16 Health = 0;
  Int16 MaxHealth = 0;
  Int16 Attack = 0;
  Int16 Suicide = 0;
  Int16 Defence = 0;
  Int16 MagicDef = 0;
  Int16 Alive = rt::kFalse;
};

// A battle has 1 to kMaxEnemies Enemies.
inline constexpr int kMaxEnemies = 5;

// Entries 0 to kMaxEnemies; index 0 is never used, and any index outside them is a subscript
// error.
class EnemyTable {
 public:
  EnemyRecord& operator()(int index) { return entries_[Checked(index)]; }
  const EnemyRecord& operator()(int index) const { return entries_[Checked(index)]; }

 private:
  std::size_t Checked(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size()))
      rt::RaiseRuntimeError(rt::RuntimeErrorCode::SubscriptOutOfRange);
    return static_cast<std::size_t>(index);
  }

  std::array<EnemyRecord, kMaxEnemies + 1> entries_{};
};

struct BattleState {
  HeroRecord Hero;
  EnemyTable Enemies;
  Int16 Turn = 0;
  Int16 LastTurn = 0;
  Int16 NumEnemies = 0;
  Int16 EnemiesAlive = 0;
  Int16 BattleEnded = rt::kFalse;
  Int16 HeroTarget = 0;
  Int16 HeroMoves = 0;
  Int16 EnemyMoves = 0;
  Int16 Damage = 0;
  // What each of the Hero's moves achieved; kUntried until the Hero has used it.
  static constexpr Int16 kUntried = -1000;
  Int16 AttackEstimate = 0;
  Int16 MagicEstimate = 0;
  Int16 CureEstimate = 0;
  Int16 BestEstimate = 0;
  Int16 MaxEnemyDamage = 0;
  Int16 EnemyFullHealth = 0;
  Int16 FactorialValue = 0;  // worked out by the unhurt Hero's decision; nothing reads it
  Int16 EnemyMove = 0;
  Int16 PickedEnemy = 0;
};

}  // namespace duelmark
