#pragma once

#include "TqrpDemonstracaoContabil.h"

namespace kelpa::relatorios {

// The printed income statement of the quarter (Quadro 13).
class TqrpResultadoExercicio : public TqrpDemonstracaoContabil
{
public:
    TqrpResultadoExercicio()
        : TqrpDemonstracaoContabil(QChar(u'R'))
    {
    }
    QString titulo() const override { return QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício"); }
    QString legenda() const override { return QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício"); }
};

} // namespace kelpa::relatorios
