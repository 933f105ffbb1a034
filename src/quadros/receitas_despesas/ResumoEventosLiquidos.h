#pragma once

#include "ValoresCabecalhoTrimestre.h"

namespace kelpa {

// Quadro 9A: the quarter's net indemnifiable events by kind of service (hospital,
// medical, dental), each as a total and as the part provided by the operator's own
// network, with that part's share and the totals of medical-hospital plans and of
// the quarter.
class ResumoEventosLiquidos : public ValoresCabecalhoTrimestre
{
public:
    enum Campo {
        HospitalarPropria, // VL_DESP_HOSP_PROP
        HospitalarTotal,   // VL_DESP_HOSP_TOT
        MedicaPropria,     // VL_DESP_MED_PROP
        MedicaTotal,       // VL_DESP_MED_TOT
        OdontoPropria,     // VL_DESP_ODON_PROP
        OdontoTotal,       // VL_DESP_ODON_TOT
    };
    static constexpr int Campos = 6;

    static QString titulo();
    // What each amount corresponds to in the standard chart of accounts.
    static QString dica(Campo campo);

    ResumoEventosLiquidos(QSqlDatabase db, QString codOper, QDate trimestre);

    // "%" of a row: its own network's part of its total (the total's field given).
    double percentual(Campo total) const;
    // "Total Médico-Hospitalar :" and "TOTAL GERAL :" (the dental total added).
    Moeda totalMedicoHospitalar() const;
    Moeda totalGeral() const;
};

} // namespace kelpa
