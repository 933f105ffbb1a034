#pragma once

#include "quadros/demonstracoes/Moeda.h"

namespace kelpa::validacao {

// The two ways the rules compare amounts. Both work on whole ten-thousandths read
// once from the database, so a sum of stored doubles never decides a finding by a
// stray last bit.
namespace ComparacaoValores {

// As the amounts read on screen with two decimals: rounded to cents (halves away
// from zero) before comparing. A difference below half a cent passes.
inline bool diferemEmDuasCasas(Moeda a, Moeda b)
{
    return a.arredondadaEmCentavos() != b.arredondadaEmCentavos();
}

// To the ten-thousandth: any difference of a cent or a fraction of it fails.
inline bool diferemExatamente(Moeda a, Moeda b)
{
    return a != b;
}

} // namespace ComparacaoValores

} // namespace kelpa::validacao
