#pragma once

#include "ModeloFluxoCaixa.h"
#include "TfraQuadroEmPaginas.h"

namespace kelpa {

// Quadro 15 (quadro number 78): the quarter's cash flow by the direct method, from
// the first quarter of 2006 on. A summary page and one page per activity.
class TFrameFluxoCaixa : public TfraQuadroEmPaginasDe<FluxoCaixa, ModeloFluxoCaixa>
{
    Q_OBJECT

public:
    explicit TFrameFluxoCaixa(ContextoQuadro &contexto, QWidget *parent = nullptr);

    QTabWidget *pgAtividades() const { return paginas(); }
    // The current quarter of this quadro (it keeps its own).
    QDate trimestre() const { return m_trimestre; }
    FluxoCaixa *fluxo() const { return dados(); }

protected:
    void soltaDados(const QDate &trimestre) override;
    void IncluiPeriodoFrame() override;
    void AlteraPeriodoFrame() override;

private:
    QDate m_trimestre;
};

} // namespace kelpa
