#pragma once

#include "quadros/demonstracoes/ui/TfraImpressaoTrimestre.h"

namespace kelpa {

// "Impressão de Receitas e Despesas" (quadro number 12): Quadros 8, 8A, 9, 9A and 10
// of a quarter; an insurer is not offered 8A and 9A.
class TFrameReceitasDespesas : public TfraImpressaoTrimestre
{
    Q_OBJECT

public:
    explicit TFrameReceitasDespesas(ContextoQuadro &contexto, QWidget *parent = nullptr);
};

} // namespace kelpa
