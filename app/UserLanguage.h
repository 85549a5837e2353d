#pragma once
// The catalogue of the language the user asks for on this desktop, from those installed with
// the program (share/locale beside its folder of programs), or none: English.
#include "Catalogue.h"

namespace duelmark {

rt::Catalogue UserCatalogue();

}  // namespace duelmark
