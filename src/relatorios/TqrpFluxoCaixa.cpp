#include "TqrpFluxoCaixa.h"

#include "GradeColunas.h"
#include "plataforma/FormatoBR.h"
#include "quadros/demonstracoes/FluxoCaixa.h"

#include <algorithm>

namespace kelpa::relatorios {

namespace {

const QColor cinzaDoFluxo(200, 200, 200);

struct Atividade {
    QString titulo;
    int primeiro;
    int ultimo;
    QString total;
};

const QList<Atividade> &atividades()
{
    static const QList<Atividade> lista{
        {QStringLiteral("ATIVIDADES OPERACIONAIS"), 101, 112, QStringLiteral("113")},
        {QStringLiteral("ATIVIDADES DE INVESTIMENTO"), 201, 210, QStringLiteral("211")},
        {QStringLiteral("ATIVIDADES DE FINANCIAMENTO"), 301, 311, QStringLiteral("312")},
    };
    return lista;
}

GradeColunas gradeSintetica(double largura)
{
    return GradeColunas({{QString(), 6},
                         {QStringLiteral("CAIXA LÍQUIDO"), 2, Qt::AlignRight},
                         {QStringLiteral("T O TA L"), 2, Qt::AlignRight}},
                        largura);
}

GradeColunas gradeAnalitica(double largura)
{
    return GradeColunas({{QStringLiteral("Descrição"), 8}, {QStringLiteral("Valor (R$)"), 2, Qt::AlignRight}}, largura);
}

// Rows alternate white and grey; the report keeps its own count.
class Alternancia
{
public:
    Banda operator()(Banda b)
    {
        b.fundo(m_escura ? cinzaDoFluxo : QColor(Qt::white));
        m_escura = !m_escura;
        return b;
    }

private:
    bool m_escura = false;
};

Banda totalizador(const GradeColunas &g, const QStringList &valores, TipoBanda tipo, double largura)
{
    Banda b = g.linha(valores, tipo, EstiloTexto::forte());
    b.linha(QLineF(0, 0.1, largura, 0.1), 0.3);
    return b;
}

} // namespace

TqrpFluxoCaixa::TqrpFluxoCaixa(Parte parte)
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência :   "))
    , m_parte(parte)
{
}

QString TqrpFluxoCaixa::titulo() const
{
    return m_parte == Parte::Sintetico ? QStringLiteral("Quadro 15: Fluxo de Caixa - SINTÉTICO/ANALÍTICO")
                                       : QStringLiteral("Quadro 15: Fluxo de Caixa - ANALÍTICO");
}

void TqrpFluxoCaixa::carregarDados(const QSqlDatabase &db)
{
    m_vazio = true;
    m_linhas.clear();
    m_centavos.clear();
    const QDate trimestre = definirTrimestre(db);
    if (!FluxoCaixa::disponivel(trimestre))
        return;
    FluxoCaixa fluxo(db, operadora(), trimestre);
    if (!fluxo.carregar())
        return;
    for (const LinhaFluxoCaixa &l : fluxo.linhas())
        m_linhas.append({l.codigo, l.descricao.trimmed()});
    QStringList campos = FluxoCaixa::camposEntrada() + FluxoCaixa::camposTotalAtividade();
    campos << QStringLiteral("011") << QStringLiteral("012") << QStringLiteral("013") << QStringLiteral("014")
           << QStringLiteral("015");
    bool algumPositivo = false;
    for (const QString &c : std::as_const(campos)) {
        const qint64 centavos = fluxo.valor(c).arredondadaEmCentavos().dezMilesimos() / 100;
        m_centavos.insert(c, centavos);
        algumPositivo = algumPositivo || centavos > 0;
    }
    m_vazio = !algumPositivo;
}

QString TqrpFluxoCaixa::textoValor(const QString &codigo) const
{
    return FormatoBR::valor(static_cast<double>(m_centavos.value(codigo)) / 100.0);
}

QString TqrpFluxoCaixa::descricao(const QString &codigo, const QString &padrao) const
{
    for (const Linha &l : m_linhas)
        if (l.codigo == codigo && !l.descricao.isEmpty())
            return l.descricao;
    return padrao;
}

Banda TqrpFluxoCaixa::cabecalhoColunas(double largura) const
{
    return m_parte == Parte::Sintetico ? gradeSintetica(largura).cabecalho() : gradeAnalitica(largura).cabecalho();
}

QList<Banda> TqrpFluxoCaixa::corpo(double largura) const
{
    return m_parte == Parte::Sintetico ? corpoSintetico(largura) : corpoAnalitico(largura);
}

QList<Banda> TqrpFluxoCaixa::corpoSintetico(double largura) const
{
    const GradeColunas g = gradeSintetica(largura);
    Alternancia alterna;
    QList<Banda> bandas;
    bandas << alterna(g.linha({descricao(QStringLiteral("000"),
                                         QStringLiteral("SALDO DO TRIMESTRE ANTERIOR (Caixa + Bancos Conta Depósitos)")),
                               QString(), textoValor(QStringLiteral("000"))}));
    const QStringList resumos{QStringLiteral("011"), QStringLiteral("012"), QStringLiteral("013")};
    for (qsizetype i = 0; i < atividades().size(); ++i)
        bandas << alterna(g.linha({atividades().at(i).titulo, textoValor(resumos.at(i))}));
    bandas << alterna(totalizador(g, {QStringLiteral("FLUXO DE CAIXA DO TRIMESTRE"), QString(), textoValor(QStringLiteral("014"))},
                                  TipoBanda::Detalhe, largura));
    bandas << alterna(totalizador(g, {QStringLiteral("SALDO FINAL DO TRIMESTRE"), QString(), textoValor(QStringLiteral("015"))},
                                  TipoBanda::Detalhe, largura));
    return bandas;
}

QList<Banda> TqrpFluxoCaixa::corpoAnalitico(double largura) const
{
    const GradeColunas g = gradeAnalitica(largura);
    QList<Banda> bandas;
    for (const Atividade &a : atividades()) {
        Banda cabecalho(TipoBanda::CabecalhoGrupo);
        cabecalho.texto(QRectF(0.8, 2.0, largura - 1.6, 4.2), a.titulo, Qt::AlignLeft | Qt::AlignBottom,
                        EstiloTexto::forte(9));
        cabecalho.setAltura(7.0);
        cabecalho.repetirNaQuebra();
        bandas << cabecalho;
        Alternancia alterna;
        for (const Linha &l : m_linhas) {
            const int n = l.codigo.toInt();
            if (n >= a.primeiro && n <= a.ultimo)
                bandas << alterna(g.linha({l.descricao, textoValor(l.codigo)}));
        }
        bandas << totalizador(g, {descricao(a.total, QStringLiteral("CAIXA LÍQUIDO DAS ") + a.titulo), textoValor(a.total)},
                              TipoBanda::RodapeGrupo, largura);
    }
    Banda espaco(TipoBanda::Resumo, 3.0);
    bandas << espaco;
    bandas << totalizador(g, {QStringLiteral("FLUXO DE CAIXA DO TRIMESTRE"), textoValor(QStringLiteral("014"))},
                          TipoBanda::Resumo, largura)
           << g.linha({QStringLiteral("SALDO DO TRIMESTRE ANTERIOR "), textoValor(QStringLiteral("000"))}, TipoBanda::Resumo,
                      EstiloTexto::forte())
           << totalizador(g, {QStringLiteral("SALDO FINAL DO TRIMESTRE"), textoValor(QStringLiteral("015"))},
                          TipoBanda::Resumo, largura);
    return bandas;
}

} // namespace kelpa::relatorios
