#pragma once

#include "TqrpModRelatorioKELPA.h"

#include <QDate>

namespace kelpa::relatorios {

// What the reports of the quarterly quadros share: the quarter they print (the one
// holding the chosen date, or the newest one) and their validity label, the prefix
// of each report followed by the quarter as the period box shows it
// ("Vigência :  1º Trimestre de 2007").
class TqrpModRelatorioTrimestre : public TqrpModRelatorioKELPA
{
public:
    QDate trimestre() const { return m_trimestre; }

protected:
    explicit TqrpModRelatorioTrimestre(QString prefixoVigencia);

    // Finds the quarter and sets the label; returns the quarter, null when the
    // operator has none then (the label is left empty).
    QDate definirTrimestre(const QSqlDatabase &db);

private:
    QString m_prefixoVigencia;
    QDate m_trimestre;
};

} // namespace kelpa::relatorios
