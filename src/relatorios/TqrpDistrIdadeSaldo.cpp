#include "TqrpDistrIdadeSaldo.h"

#include "GradeColunas.h"
#include "plataforma/FormatoBR.h"
#include "quadros/demonstracoes/FluxoCaixa.h"
#include "quadros/demonstracoes/IdadeSaldo.h"

namespace kelpa::relatorios {

namespace {

// The kind of balance a column of the quadro holds, as "heading - kind" when the
// kind goes under a common heading; used when the code table does not name it.
const QStringList &nomesPadrao()
{
    static const QStringList nomes{
        QStringLiteral("Faturas e Mensalidades a Receber - Planos Individuais/Familiares"),
        QStringLiteral("Faturas e Mensalidades a Receber - Planos Coletivos Pré-Pagamento"),
        QStringLiteral("Faturas e Mensalidades a Receber - Planos Coletivos Pós-Pagamento"),
        QStringLiteral("Taxa de Administração/Participação dos Beneficiários"),
        QStringLiteral("Créditos de Operadoras"),
        QStringLiteral("Outros Créditos de Operações"),
        QStringLiteral("Eventos a Liquidar"),
        QStringLiteral("Débitos com Operadoras"),
        QStringLiteral("Comercialização sobre Operações"),
        QStringLiteral("Outros Débitos Operacionais"),
    };
    return nomes;
}

constexpr int colunasDePlanos = 3; // individual/family, collective pre-paid and post-paid

qint64 centavos(const Moeda &m)
{
    return m.arredondadaEmCentavos().dezMilesimos() / 100;
}

GradeColunas grade(double largura)
{
    QList<Coluna> colunas{{QString(), 5.2}};
    for (const char *faixa : {"a Vencer", "até 30", "31 a 60", "61 a 90", "91 a 120", "121 a 365", "+ de 365"})
        colunas.append({QString::fromUtf8(faixa), 1.6, Qt::AlignRight});
    colunas.append({QStringLiteral("T O T A L"), 1.8, Qt::AlignRight});
    return GradeColunas(colunas, largura);
}

} // namespace

TqrpDistrIdadeSaldo::TqrpDistrIdadeSaldo(Parte parte)
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência :   "))
    , m_parte(parte)
{
}

void TqrpDistrIdadeSaldo::carregarDados(const QSqlDatabase &db)
{
    m_vazio = true;
    m_linhas.clear();
    const QDate trimestre = definirTrimestre(db);
    if (!FluxoCaixa::disponivel(trimestre))
        return;
    IdadeSaldo idade(db, operadora(), trimestre);
    if (!idade.carregar())
        return;

    const bool planos = operadoraDePlanos();
    const bool ativo = m_parte == Parte::Ativo;
    bool algumPositivo = false;
    const QList<IdadeSaldo::Coluna> &colunas = IdadeSaldo::colunas();
    for (qsizetype i = 0; i < colunas.size(); ++i) {
        const IdadeSaldo::Coluna &coluna = colunas.at(i);
        for (int f = 0; f < IdadeSaldo::Faixas; ++f)
            algumPositivo = algumPositivo || idade.valor(coluna.codigo(f)).positivo();
        if (coluna.ativo != ativo)
            continue;

        // The code table names each line "[heading - ]kind - age".
        QString nome = nomesPadrao().value(i);
        if (const LinhaIdadeSaldo *primeira = idade.linha(coluna.codigo(0))) {
            const qsizetype corte = primeira->descricao.lastIndexOf(QStringLiteral(" - "));
            if (corte > 0)
                nome = primeira->descricao.left(corte).trimmed();
        }
        if (!planos) {
            nome.replace(IdadeSaldo::tituloReceber(true), IdadeSaldo::tituloReceber(false));
            nome.replace(QStringLiteral("Eventos a Liquidar"), IdadeSaldo::rotulosEventos(false).join(u' '));
        }
        QString cabecalho;
        const qsizetype separador = nome.indexOf(QStringLiteral(" - "));
        if (separador > 0) {
            cabecalho = nome.left(separador).trimmed();
            nome = nome.mid(separador + 3).trimmed();
        }
        if (!cabecalho.isEmpty() && (m_linhas.isEmpty() || !m_linhas.last().recuada))
            m_linhas << Linha{cabecalho, {}, false, false};
        Linha l{nome, {}, false, !cabecalho.isEmpty()};
        for (int f = 0; f < IdadeSaldo::Faixas; ++f)
            l.centavos << centavos(idade.valor(coluna.codigo(f)));
        l.centavos << centavos(idade.totalColuna(static_cast<int>(i)));
        m_linhas << l;

        if (ativo && i == colunasDePlanos - 1) {
            Linha total{QStringLiteral("T O T A L"), {}, true, true};
            for (int f = 0; f < IdadeSaldo::Faixas; ++f)
                total.centavos << centavos(idade.totalFaixa(f));
            total.centavos << centavos(idade.totalGeral());
            m_linhas << total;
        }
    }
    m_vazio = !algumPositivo;
}

Banda TqrpDistrIdadeSaldo::cabecalhoColunas(double largura) const
{
    const GradeColunas g = grade(largura);
    Banda b(TipoBanda::Titulo);
    b.rotulo(g.intervalo(0, 0, 0.8, 3.6),
             m_parte == Parte::Ativo ? QStringLiteral("CONTAS DE ATIVO") : QStringLiteral("CONTAS DE PASSIVO"),
             Qt::AlignLeft | Qt::AlignTop, EstiloTexto::forte(9));
    b.rotulo(g.intervalo(2, 7, 0.8, 3.6), QStringLiteral("D I A S   V E N C I D O S"), Qt::AlignHCenter | Qt::AlignTop,
             EstiloTexto::forte());
    b.linha(QLineF(g.esquerda(2) + 1.5, 4.8, g.esquerda(7) + g.largura(7) - 1.5, 4.8), 0.2);
    const double topo = 5.2;
    for (qsizetype i = 1; i < g.quantidade(); ++i)
        b.rotulo(g.celula(i, topo), g.coluna(i).titulo, Qt::AlignRight | Qt::AlignTop, EstiloTexto::forte());
    const double regua = topo + GradeColunas::alturaLinha;
    b.linha(QLineF(0, regua, largura, regua), 0.5);
    return b;
}

QList<Banda> TqrpDistrIdadeSaldo::corpo(double largura) const
{
    const GradeColunas g = grade(largura);
    QList<Banda> bandas;
    for (const Linha &l : m_linhas) {
        const EstiloTexto estilo = (l.total || l.centavos.isEmpty()) ? EstiloTexto::forte() : EstiloTexto::padrao();
        QStringList textos{QString()};
        for (qint64 c : l.centavos)
            textos << FormatoBR::valor(static_cast<double>(c) / 100.0);
        Banda b = g.linha(textos, TipoBanda::Detalhe, estilo);
        // The kinds under a heading stand a little further in.
        QRectF descricao = g.celula(0);
        if (l.recuada)
            descricao.setLeft(descricao.left() + 4.0);
        b.texto(descricao, l.descricao, Qt::AlignLeft | Qt::AlignTop, estilo);
        if (l.centavos.isEmpty())
            b.fundo(QColor(Qt::white));
        if (l.total) {
            b.linha(QLineF(0, 0.1, largura, 0.1), 0.3);
            b.fundo(corSombreado());
        }
        bandas << b;
    }
    return bandas;
}

} // namespace kelpa::relatorios
