#pragma once

#include "TqrpDemonstracaoContabil.h"

namespace kelpa::relatorios {

// The printed balance-sheet liabilities of the quarter (Quadro 12).
class TqrpBalPatrPassivo : public TqrpDemonstracaoContabil
{
public:
    TqrpBalPatrPassivo()
        : TqrpDemonstracaoContabil(QChar(u'P'))
    {
    }
    QString titulo() const override { return QStringLiteral("Quadro 12: Balanço Patrimonial - Passivo"); }
    QString legenda() const override { return QStringLiteral("Quadro 12: Balanço Patrimonial - Passivo"); }
};

} // namespace kelpa::relatorios
