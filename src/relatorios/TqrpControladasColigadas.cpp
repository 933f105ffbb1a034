#include "TqrpControladasColigadas.h"

#include "ImpressaoParticipacoes.h"
#include "PeriodoEmVigor.h"

#include "quadros/cadastro/Participadas.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::relatorios {

void TqrpControladasColigadas::carregarDados(const QSqlDatabase &db)
{
    m_periodo = PeriodoEmVigor::inicio(db, QStringLiteral("QUADROPARTICIPADAS"), operadora(), dataReferencia());
    Participadas participadas(db, operadora());
    m_empresas = m_periodo.isValid() ? participadas.participacoes().Lista(m_periodo) : QList<Participacao>{};
    setVigencia(m_periodo.isValid() ? QStringLiteral("Vigência:  A partir de ") + FormatoBR::data(m_periodo) : QString());
}

QList<Banda> TqrpControladasColigadas::corpo(double largura) const
{
    return ImpressaoParticipacoes::grade(m_empresas, m_periodo, largura);
}

} // namespace kelpa::relatorios
