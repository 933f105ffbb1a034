#include "TqrpRecProvSus.h"

#include "GradeColunas.h"

namespace kelpa::relatorios {

namespace {

GradeColunas grade(double largura)
{
    return GradeColunas({{QString(), 5}, {QStringLiteral("R$"), 1.6, Qt::AlignRight}}, largura);
}

} // namespace

TqrpRecProvSus::TqrpRecProvSus()
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência: "))
{
}

void TqrpRecProvSus::carregarDados(const QSqlDatabase &db)
{
    m_receitas.reset();
    m_vazio = true;
    const QDate trimestre = definirTrimestre(db);
    if (!trimestre.isValid())
        return;
    m_receitas.emplace(db, operadora(), trimestre);
    m_receitas->ler();
    m_vazio = m_receitas->semValoresInteiros({ReceitasSus::ReceitasDoSus, ReceitasSus::TotalDeReceitas});
}

Banda TqrpRecProvSus::cabecalhoColunas(double largura) const
{
    return grade(largura).cabecalho();
}

QList<Banda> TqrpRecProvSus::corpo(double largura) const
{
    QList<Banda> bandas;
    if (!m_receitas)
        return bandas;
    const GradeColunas g = grade(largura);
    bandas << g.linha({QStringLiteral("Receitas do SUS"), m_receitas->valorOuZero(ReceitasSus::ReceitasDoSus).texto()});
    bandas << g.linha({QStringLiteral("Total de Receitas"), m_receitas->valorOuZero(ReceitasSus::TotalDeReceitas).texto()});
    Banda participacao = g.linha({QStringLiteral("Receitas do SUS / Total de Receitas"),
                                  ValoresCabecalhoTrimestre::textoPercentual(m_receitas->participacao())},
                                 TipoBanda::Resumo, EstiloTexto::forte());
    participacao.linha(QLineF(0, 0.1, largura, 0.1), 0.3);
    bandas << participacao;
    return bandas;
}

} // namespace kelpa::relatorios
