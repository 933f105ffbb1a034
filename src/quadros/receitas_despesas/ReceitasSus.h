#pragma once

#include "ValoresCabecalhoTrimestre.h"

namespace kelpa {

// Quadro 8A: the quarter's revenues from the public health system (SUS), its total
// health-care revenues, and the share of the first in the second.
class ReceitasSus : public ValoresCabecalhoTrimestre
{
public:
    enum Campo {
        ReceitasDoSus,    // VL_RECT_SUS
        TotalDeReceitas,  // VL_RECT_TOT
    };
    static constexpr int Campos = 2;

    static QString titulo();
    static QString dica(Campo campo);
    // What an operator outside the lists is told, by its modality.
    static QString avisoNaoPreenche(const QString &modalidade);

    ReceitasSus(QSqlDatabase db, QString codOper, QDate trimestre);

    double participacao() const { return percentual(valor(ReceitasDoSus), valor(TotalDeReceitas)); }
};

} // namespace kelpa
