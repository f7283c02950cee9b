// The menu commands of the inverse, the linear systems and the Stat menu:
// each tests its precondition (showing its message when it fails) and then
// runs its dialog. Each returns true when the command was carried out.
#pragma once

namespace tq {

bool MenuInverse();
bool MenuSolve();
bool MenuMoments();
bool MenuTTest();
bool MenuFTest();
bool MenuChiSquare();
bool MenuRegression();

}  // namespace tq
