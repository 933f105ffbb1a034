#include "TqrpContraprestacoesLiquida.h"

#include "GradeColunas.h"

namespace kelpa::relatorios {

namespace {

using Col = LinhaReceitaUF::Coluna;

GradeColunas grade(double largura, bool somenteOdonto)
{
    const QString pre = QStringLiteral("Pré-Pagto");
    const QString outras = QStringLiteral("Outras");
    const QString total = QStringLiteral("Total");
    if (somenteOdonto)
        return GradeColunas({{QStringLiteral("UF"), 0.7},
                             {pre, 2, Qt::AlignRight},
                             {outras, 2, Qt::AlignRight},
                             {total, 2, Qt::AlignRight}},
                            largura);
    return GradeColunas({{QStringLiteral("UF"), 0.7},
                         {pre, 2, Qt::AlignRight},
                         {outras, 2, Qt::AlignRight},
                         {total, 2, Qt::AlignRight},
                         {pre, 2, Qt::AlignRight},
                         {outras, 2, Qt::AlignRight},
                         {total, 2, Qt::AlignRight},
                         {QStringLiteral("Total Geral"), 2.2, Qt::AlignRight}},
                        largura);
}

QStringList valores(const LinhaReceitaUF &l, bool somenteOdonto, LadoReceitaDespesa lado)
{
    const auto v = [&](Col deReceita) { return l.valor(LinhaReceitaUF::coluna(lado, deReceita)).texto(); };
    if (somenteOdonto)
        return {l.uf, v(Col::RectPreOdon), v(Col::RectOutrOdon), l.totalOdonto(lado).texto()};
    return {l.uf,
            v(Col::RectPre),
            v(Col::RectOutr),
            l.totalMedico(lado).texto(),
            v(Col::RectPreOdon),
            v(Col::RectOutrOdon),
            l.totalOdonto(lado).texto(),
            l.totalLinha(lado).texto()};
}

bool temValor(const LinhaReceitaUF &l, bool somenteOdonto, LadoReceitaDespesa lado)
{
    const QList<Col> colunas = somenteOdonto ? QList<Col>{Col::RectPreOdon, Col::RectOutrOdon}
                                             : QList<Col>{Col::RectPre, Col::RectOutr, Col::RectPreOdon, Col::RectOutrOdon};
    for (Col c : colunas)
        if (!l.valor(LinhaReceitaUF::coluna(lado, c)).zero())
            return true;
    return false;
}

} // namespace

TqrpContraprestacoesLiquida::TqrpContraprestacoesLiquida(LadoReceitaDespesa lado)
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência : "))
    , m_lado(lado)
{
}

QString TqrpContraprestacoesLiquida::titulo() const
{
    if (m_somenteOdonto && m_lado == LadoReceitaDespesa::Receitas)
        return QStringLiteral("Quadro 8: Contraprestações/Prêmios");
    return ContraprestacoesLiquidas::titulo(operadoraDePlanos(), m_lado);
}

QString TqrpContraprestacoesLiquida::legenda() const
{
    return m_lado == LadoReceitaDespesa::Receitas ? QStringLiteral("Quadro 8: Contraprestações/Prêmios do Trimestre")
                                                  : QStringLiteral("Quadro 9: Eventos/Sinistros do Trimestre");
}

void TqrpContraprestacoesLiquida::carregarDados(const QSqlDatabase &db)
{
    m_linhas.clear();
    m_somenteOdonto = false;
    const QDate trimestre = definirTrimestre(db);
    if (!trimestre.isValid())
        return;
    // The modality in force at the quarter's end decides, as on the quadro's screen.
    m_somenteOdonto = ContraprestacoesLiquidas::segmento(db, operadora(), trimestre).value_or(QChar(u'C')) == u'O';
    ContraprestacoesLiquidas quadro(db, operadora(), trimestre, m_lado);
    quadro.carregar();
    for (const LinhaReceitaUF &l : quadro.linhas())
        if (temValor(l, m_somenteOdonto, m_lado))
            m_linhas << l;
}

FormatoPagina TqrpContraprestacoesLiquida::formatoPagina() const
{
    return m_somenteOdonto ? FormatoPagina::retrato() : FormatoPagina::paisagem();
}

Banda TqrpContraprestacoesLiquida::cabecalhoColunas(double largura) const
{
    const GradeColunas g = grade(largura, m_somenteOdonto);
    // The plan groups over their columns, then the columns' captions under them.
    Banda b(TipoBanda::Titulo);
    auto grupo = [&](qsizetype de, qsizetype ate, const QString &texto) {
        b.rotulo(g.intervalo(de, ate, 0.8, 3.6), texto, Qt::AlignHCenter | Qt::AlignTop, EstiloTexto::forte());
        b.linha(QLineF(g.esquerda(de) + 1.5, 4.8, g.esquerda(ate) + g.largura(ate) - 1.5, 4.8), 0.2);
    };
    if (m_somenteOdonto) {
        grupo(1, 3, QStringLiteral("Planos Odontológicos"));
    } else {
        grupo(1, 3, QStringLiteral("Planos de Assistência Médico-Hospitalar"));
        grupo(4, 6, QStringLiteral("Planos de Assistência Odontológica"));
    }
    const double topo = 5.2;
    for (qsizetype i = 0; i < g.quantidade(); ++i)
        b.rotulo(g.celula(i, topo), g.coluna(i).titulo, g.coluna(i).alinhamento | Qt::AlignTop, EstiloTexto::forte());
    const double regua = topo + GradeColunas::alturaLinha;
    b.linha(QLineF(0, regua, largura, regua), 0.5);
    return b;
}

QList<Banda> TqrpContraprestacoesLiquida::corpo(double largura) const
{
    const GradeColunas g = grade(largura, m_somenteOdonto);
    QList<Banda> bandas;
    LinhaReceitaUF total;
    total.uf = QStringLiteral("TOT");
    for (const LinhaReceitaUF &l : m_linhas) {
        bandas << g.linha(valores(l, m_somenteOdonto, m_lado));
        for (int c = 0; c < LinhaReceitaUF::Colunas; ++c)
            total.valores[c] = total.valor(static_cast<Col>(c)) + l.valor(static_cast<Col>(c));
    }
    Banda resumo = g.linha(valores(total, m_somenteOdonto, m_lado), TipoBanda::Resumo, EstiloTexto::forte());
    resumo.linha(QLineF(0, 0.1, largura, 0.1), 0.4);
    bandas << resumo;
    return bandas;
}

} // namespace kelpa::relatorios
