// The menu commands: each tests its precondition (showing its message when
// it fails) and then runs its dialog. Each returns true when the command was
// carried out.
#pragma once

namespace tq {

bool MenuCreateObject();
bool MenuEditObject();
bool MenuDeleteObjects();
bool MenuDisplayObject();
bool MenuTranspose();
bool MenuAdd();
bool MenuSubtract();
bool MenuMultiply();
bool MenuDeleteAllObjects();

}  // namespace tq
