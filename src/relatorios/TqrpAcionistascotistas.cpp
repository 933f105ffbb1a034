#include "TqrpAcionistascotistas.h"

#include "CamposFormulario.h"
#include "GradeColunas.h"
#include "ImpressaoParticipacoes.h"
#include "PeriodoEmVigor.h"

#include "app/ServicosOperadora.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::relatorios {

bool TqrpAcionistascotistas::vazio() const
{
    return !m_periodo.isValid() || !m_disponivel || m_patrocinada || (!m_cabecalho.pulverizado && m_acionistas.isEmpty());
}

void TqrpAcionistascotistas::carregarDados(const QSqlDatabase &db)
{
    m_periodo = PeriodoEmVigor::inicio(db, QStringLiteral("QUADROPARTICIPACOES"), operadora(), dataReferencia());
    const ServicosOperadora servicos(db, operadora());
    m_disponivel = servicos.QuadroAcionistasDisponivel();
    m_patrocinada = servicos.AutogestaoPatrocinada();
    Acionistas acionistas(db, operadora());
    m_cabecalho = m_periodo.isValid() ? acionistas.Cabecalho(m_periodo) : CabecalhoAcionistas{};
    m_acionistas = m_periodo.isValid() ? acionistas.participacoes().Lista(m_periodo) : QList<Participacao>{};
    setVigencia(m_periodo.isValid() ? QStringLiteral("Vigência :  A partir de ") + FormatoBR::data(m_periodo) : QString());
}

QList<Banda> TqrpAcionistascotistas::corpo(double largura) const
{
    QList<Banda> bandas;
    const qint64 total = m_cabecalho.total.value_or(0);
    bandas << Formulario::linha({{QStringLiteral("Totalmente pulverizado ?"),
                                  m_cabecalho.pulverizado ? QStringLiteral("SIM") : QStringLiteral("NÃO"), 1},
                                 {QStringLiteral("Número total de Ações/Quotas da Operadora"), FormatoBR::inteiro(total), 2}},
                                largura);
    // A capital wholly spread out has no holder to name.
    if (!m_cabecalho.pulverizado)
        bandas << ImpressaoParticipacoes::grade(m_acionistas, m_periodo, largura, total);
    return bandas;
}

} // namespace kelpa::relatorios
