#include "TqrpModRelatorioTrimestre.h"

#include "PeriodoEmVigor.h"
#include "quadros/base/Periodos.h"

namespace kelpa::relatorios {

TqrpModRelatorioTrimestre::TqrpModRelatorioTrimestre(QString prefixoVigencia)
    : m_prefixoVigencia(std::move(prefixoVigencia))
{
}

QDate TqrpModRelatorioTrimestre::definirTrimestre(const QSqlDatabase &db)
{
    m_trimestre = PeriodoEmVigor::trimestre(db, operadora(), dataReferencia());
    setVigencia(m_trimestre.isValid() ? m_prefixoVigencia + Periodos::TextoTrimestre(m_trimestre) : QString());
    return m_trimestre;
}

} // namespace kelpa::relatorios
