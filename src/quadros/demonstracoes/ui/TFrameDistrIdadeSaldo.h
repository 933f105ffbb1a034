#pragma once

#include "ModeloIdadeSaldo.h"
#include "TfraQuadroEmPaginas.h"

namespace kelpa {

class CabecalhoAgrupado;

// Quadro 15A (quadro number 79): receivable and payable balances at the end of the
// quarter by age, from the first quarter of 2006 on; every total follows as the
// user types.
class TFrameDistrIdadeSaldo : public TfraQuadroEmPaginasDe<IdadeSaldo, ModeloIdadeSaldo>
{
    Q_OBJECT

public:
    explicit TFrameDistrIdadeSaldo(ContextoQuadro &contexto, QWidget *parent = nullptr);

    CabecalhoAgrupado *cabecalhoAtivo() const { return m_cabecalhoAtivo; }
    IdadeSaldo *idadeSaldo() const { return dados(); }

protected:
    void soltaDados(const QDate &trimestre) override;
    void IncluiPeriodoFrame() override;
    void AlteraPeriodoFrame() override;

private:
    void aplicarRotulos();

    CabecalhoAgrupado *m_cabecalhoAtivo = nullptr;
};

} // namespace kelpa
