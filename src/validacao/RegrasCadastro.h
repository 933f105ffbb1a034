#pragma once

#include "RegraValidacao.h"

namespace kelpa::validacao {

// V16 to V19: registration facts the regulator requires. Each gives at most one
// finding, of no single period, so it always blocks sending.

// V16: the managed self-insured operators of a fixed list must record a registration
// period of 2007 or later with the submodality "MANTI".
class RegraAutogestaoMantida : public RegraValidacao
{
public:
    QString codigo() const override { return QStringLiteral("V16"); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;
    static const QStringList &operadorasMantidas();
};

// V17: plan operators state their region of operation in every registration period from 2005.
class RegraRegiaoAtuacao : public RegraValidacao
{
public:
    QString codigo() const override { return QStringLiteral("V17"); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;
};

// V18: every administrators' period from 2005 names a technical officer.
class RegraResponsavelTecnico : public RegraValidacao
{
public:
    QString codigo() const override { return QStringLiteral("V18"); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;
};

// V19: the representative before the regulator is named from 2005.
class RegraRepresentante : public RegraValidacao
{
public:
    QString codigo() const override { return QStringLiteral("V19"); }
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;
};

} // namespace kelpa::validacao
