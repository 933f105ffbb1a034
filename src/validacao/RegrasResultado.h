#pragma once

#include "RegraValidacao.h"

namespace kelpa::validacao {

// V1 to V3: the year-to-date total of a revenue or expense quadro against its line of
// the income statement (Quadro 13) of the same quarter. A quarter whose own amount in
// the quadro is zero is not compared; rows already transmitted ("T") take no part.
class RegraQuadroContraResultado : public RegraValidacao
{
public:
    enum Quadro { Contraprestacoes, Eventos, DespesasComercializacao };

    explicit RegraQuadroContraResultado(Quadro quadro)
        : m_quadro(quadro)
    {
    }
    QString codigo() const override;
    void verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const override;

    // The income-statement accounts of the quadro in year `ano`.
    QStringList contasResultado(int ano) const;
    QString mensagem(bool operadoraDePlanos) const;

private:
    Quadro m_quadro;
};

} // namespace kelpa::validacao
