#pragma once

#include "RegraValidacao.h"

namespace kelpa::validacao {

// V4: total assets (Quadro 11) against total liabilities (Quadro 12), as the screen
// shows them, and from 2005 on neither total may be zero.
class RegraTotalAtivoPassivo : public RegraValidacao
{
public:
    QString codigo() const override { return QStringLiteral("V4"); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;
};

// V5: the compensation accounts of assets and liabilities, to the ten-thousandth.
class RegraCompensacao : public RegraValidacao
{
public:
    QString codigo() const override { return QStringLiteral("V5"); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;
};

} // namespace kelpa::validacao
