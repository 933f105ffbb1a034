#pragma once

#include "RegraValidacao.h"

namespace kelpa::validacao {

// V14: the quarter's indemnifiable events by state (Quadro 9) against the totals of
// its summary (Quadro 9A), to the ten-thousandth, from 2003 on.
class RegraEventosContraResumo : public RegraValidacao
{
public:
    QString codigo() const override { return QStringLiteral("V14"); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;
};

// V15: the technical provisions of the balance sheet (Quadro 12, accounts 20100 and
// 20480) against the total of Quadro 14, to the ten-thousandth, from 2003 on.
class RegraProvisoesTecnicas : public RegraValidacao
{
public:
    QString codigo() const override { return QStringLiteral("V15"); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;
};

} // namespace kelpa::validacao
