#pragma once

// Shared by the financial-statement tests: amounts print as people read them.

#include "quadros/demonstracoes/Moeda.h"

#include <ostream>

namespace kelpa {

inline void PrintTo(const Moeda &valor, std::ostream *saida)
{
    *saida << valor.texto().toStdString() << " (" << valor.dezMilesimos() << ")";
}

} // namespace kelpa
