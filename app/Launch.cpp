#include "Launch.h"

#include "FrmBattleSettings.h"

namespace duelmark {

void OpenFirstWindow() { frmBattleSettings().Show(); }

}  // namespace duelmark
