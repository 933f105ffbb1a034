#pragma once

#include "TfraQuadroCabecalhoTrimestre.h"

namespace kelpa {

class ResumoEventosLiquidos;

// Quadro 9A (quadro number 13): the quarter's net indemnifiable events by kind of
// service, each as the part provided by the operator's own network (amount and
// share) and as a total, with the medical-hospital total and the grand total; a
// dental operator sees only the dental row.
class TFrameResumoLiquidos : public TfraQuadroCabecalhoTrimestre
{
    Q_OBJECT

public:
    explicit TFrameResumoLiquidos(ContextoQuadro &contexto, QWidget *parent = nullptr);

    bool somenteOdonto() const { return m_somenteOdonto; }

protected:
    std::unique_ptr<ValoresCabecalhoTrimestre> criarValores(const QDate &trimestre) override;
    void montarLeiaute(ModeloValoresCabecalho *modelo) override;
    int primeiroCampo() const override;

private:
    const ResumoEventosLiquidos *resumo() const;

    bool m_somenteOdonto = false;
};

} // namespace kelpa
