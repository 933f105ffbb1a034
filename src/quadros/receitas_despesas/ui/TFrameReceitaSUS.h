#pragma once

#include "TfraQuadroCabecalhoTrimestre.h"

namespace kelpa {

// Quadro 8A (quadro number 15): the quarter's revenues from the public health system
// (SUS), its total revenues and the share of the first in the second.
class TFrameReceitaSUS : public TfraQuadroCabecalhoTrimestre
{
    Q_OBJECT

public:
    explicit TFrameReceitaSUS(ContextoQuadro &contexto, QWidget *parent = nullptr);

protected:
    std::unique_ptr<ValoresCabecalhoTrimestre> criarValores(const QDate &trimestre) override;
    void montarLeiaute(ModeloValoresCabecalho *modelo) override;
    int primeiroCampo() const override;
    void operadoraForaDasListas() override;
};

} // namespace kelpa
