#include "TqrpDespesasComercializacao.h"

#include "CamposFormulario.h"
#include "GradeColunas.h"

namespace kelpa::relatorios {

namespace {

GradeColunas grade(double largura)
{
    return GradeColunas({{QStringLiteral("Despesas"), 5}, {QStringLiteral("Valor (R$)"), 1.6, Qt::AlignRight}}, largura);
}

// A total under its group's amounts: bold over a thin rule.
Banda linhaTotal(const GradeColunas &g, const QString &rotulo, Moeda valor, TipoBanda tipo, double largura)
{
    Banda b = g.linha({rotulo, valor.texto()}, tipo, EstiloTexto::forte());
    b.linha(QLineF(0, 0.1, largura, 0.1), 0.3);
    return b;
}

} // namespace

TqrpDespesasComercializacao::TqrpDespesasComercializacao()
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência: "))
{
}

void TqrpDespesasComercializacao::carregarDados(const QSqlDatabase &db)
{
    m_grupos.clear();
    m_totalGeral = Moeda();
    m_vazio = true;
    const QDate trimestre = definirTrimestre(db);
    if (!trimestre.isValid())
        return;
    // Only what is stored is printed: a quarter nobody opened has no items yet.
    DespesasComercializacao quadro(db, operadora(), trimestre);
    quadro.carregar();
    const bool somenteOdonto = DespesasComercializacao::somenteOdonto(db, operadora(), trimestre);
    if (!somenteOdonto)
        m_grupos << Grupo{QStringLiteral("Planos de Assistência Médico - Hospitalar"),
                          quadro.itens(DespesasComercializacao::Medico), quadro.total(DespesasComercializacao::Medico)};
    m_grupos << Grupo{QStringLiteral("Planos de Assistência Odontológica"), quadro.itens(DespesasComercializacao::Odonto),
                      quadro.total(DespesasComercializacao::Odonto)};
    for (const Grupo &g : std::as_const(m_grupos))
        m_totalGeral += g.total;
    // Amounts that cancel out print nothing either, as the selector has always judged.
    m_vazio = m_totalGeral.zero();
}

Banda TqrpDespesasComercializacao::cabecalhoColunas(double largura) const
{
    return grade(largura).cabecalho();
}

QList<Banda> TqrpDespesasComercializacao::corpo(double largura) const
{
    const GradeColunas g = grade(largura);
    QList<Banda> bandas;
    for (const Grupo &grupo : m_grupos) {
        bandas << Formulario::secao(grupo.titulo, largura);
        for (const ItemDespesaComerc &item : grupo.itens)
            bandas << g.linha({item.descricao, item.valorOuZero().texto()});
        bandas << linhaTotal(g, QStringLiteral("Total:"), grupo.total, TipoBanda::RodapeGrupo, largura);
    }
    if (m_grupos.size() > 1)
        bandas << linhaTotal(g, QStringLiteral("Total Geral:"), m_totalGeral, TipoBanda::Resumo, largura);
    return bandas;
}

} // namespace kelpa::relatorios
