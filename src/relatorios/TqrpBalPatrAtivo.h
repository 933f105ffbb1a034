#pragma once

#include "TqrpDemonstracaoContabil.h"

namespace kelpa::relatorios {

// The printed balance-sheet assets of the quarter (Quadro 11); its total on grey.
class TqrpBalPatrAtivo : public TqrpDemonstracaoContabil
{
public:
    TqrpBalPatrAtivo()
        : TqrpDemonstracaoContabil(QChar(u'A'))
    {
    }
    QString titulo() const override { return QStringLiteral("Quadro 11: Balanço Patrimonial Ativo"); }
    QString legenda() const override { return QStringLiteral("Quadro 11: Balanço Patrimonial - Ativo"); }

protected:
    bool totalSombreado() const override { return true; }
};

} // namespace kelpa::relatorios
