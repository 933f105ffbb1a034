#include "TqrpProvisoesTecnicas.h"

#include "GradeColunas.h"
#include "plataforma/FormatoBR.h"
#include "quadros/demonstracoes/ProvisoesTecnicas.h"

namespace kelpa::relatorios {

namespace {

GradeColunas grade(double largura)
{
    return GradeColunas({{QStringLiteral("Provisões"), 5}, {QStringLiteral("Valor (R$)"), 1.6, Qt::AlignRight}}, largura);
}

} // namespace

TqrpProvisoesTecnicas::TqrpProvisoesTecnicas()
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência :  "))
{
}

void TqrpProvisoesTecnicas::carregarDados(const QSqlDatabase &db)
{
    m_linhas.clear();
    const QDate trimestre = definirTrimestre(db);
    m_foraDoQuadro = ProvisoesTecnicas::aPartirDe2007(trimestre);
    if (!trimestre.isValid() || m_foraDoQuadro)
        return;
    ProvisoesTecnicas provisoes(db, operadora(), trimestre);
    if (!provisoes.ler())
        return;
    bool algumValor = false;
    for (const ProvisoesTecnicas::Linha &l : ProvisoesTecnicas::leiaute(trimestre)) {
        const Moeda valor = provisoes.valorDaLinha(l.campo).arredondadaEmCentavos();
        algumValor = algumValor || !valor.zero();
        m_linhas << Linha{l.rotulo, l.recuo, valor.dezMilesimos() / 100, l.campo < 0};
    }
    if (!algumValor)
        m_linhas.clear();
}

Banda TqrpProvisoesTecnicas::cabecalhoColunas(double largura) const
{
    return grade(largura).cabecalho();
}

QList<Banda> TqrpProvisoesTecnicas::corpo(double largura) const
{
    const GradeColunas g = grade(largura);
    QList<Banda> bandas;
    for (const Linha &l : m_linhas) {
        const EstiloTexto estilo = l.total ? EstiloTexto::forte() : EstiloTexto::padrao();
        Banda b = g.linha({QString(), FormatoBR::valor(static_cast<double>(l.centavos) / 100.0)}, TipoBanda::Detalhe, estilo);
        // Each level under "Outras" four millimetres further in.
        b.texto(g.celula(0).adjusted(4.0 * l.recuo, 0, 0, 0), l.descricao, Qt::AlignLeft | Qt::AlignTop, estilo);
        if (l.total)
            b.linha(QLineF(0, 0.1, largura, 0.1), 0.3);
        bandas << b;
    }
    return bandas;
}

} // namespace kelpa::relatorios
