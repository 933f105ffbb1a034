#include "TqrpLucrosPrejuizos.h"

#include "GradeColunas.h"

namespace kelpa::relatorios {

namespace {

GradeColunas grade(double largura)
{
    return GradeColunas({{QString(), 5},
                         {QStringLiteral("No Trimestre"), 1.6, Qt::AlignRight},
                         {QStringLiteral("ACUMULADO"), 1.6, Qt::AlignRight}},
                        largura);
}

} // namespace

TqrpLucrosPrejuizos::TqrpLucrosPrejuizos()
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência :  "))
{
}

void TqrpLucrosPrejuizos::carregarDados(const QSqlDatabase &db)
{
    m_dados.reset();
    const QDate trimestre = definirTrimestre(db);
    if (!LucrosPrejuizos::disponivel(trimestre))
        return;
    m_dados.emplace(db, operadora(), trimestre);
    m_dados->carregar();
}

bool TqrpLucrosPrejuizos::vazio() const
{
    if (!m_dados || m_dados->itens().isEmpty())
        return true;
    if (!m_dados->saldoAnterior().zero())
        return false;
    for (const LucrosPrejuizos::Item &item : m_dados->itens())
        if (!item.valor.zero() || !item.acumulado().zero())
            return false;
    return true;
}

QList<Banda> TqrpLucrosPrejuizos::corpo(double largura) const
{
    QList<Banda> bandas;
    if (!m_dados)
        return bandas;
    const GradeColunas g = grade(largura);
    bandas << g.cabecalho();
    bandas << g.linha({QStringLiteral("Saldo em 31 de Dezembro do exercício anterior"), QString(),
                       m_dados->saldoAnterior().texto()});
    for (const LucrosPrejuizos::Item &item : m_dados->itens())
        bandas << g.linha({item.descricao, item.valor.texto(), item.acumulado().texto()});
    Banda movimento = g.linha({QStringLiteral("Movimento no exercício:"), m_dados->totalTrimestre().texto(),
                               m_dados->totalAcumulado().texto()},
                              TipoBanda::Resumo, EstiloTexto::forte());
    movimento.linha(QLineF(0, 0.1, largura, 0.1), 0.3);
    bandas << movimento;
    bandas << g.linha({QStringLiteral("SALDO DO EXERCÍCIO ATUAL"), QString(), m_dados->saldoAtual().texto()},
                      TipoBanda::Resumo, EstiloTexto::forte());
    return bandas;
}

} // namespace kelpa::relatorios
