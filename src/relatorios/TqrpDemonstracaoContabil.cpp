#include "TqrpDemonstracaoContabil.h"

#include "GradeColunas.h"
#include "plataforma/FormatoBR.h"
#include "quadros/demonstracoes/DemonstracaoContabil.h"

#include <algorithm>

namespace kelpa::relatorios {

namespace {

// The chart kind of the regulator's statements.
const QString planoDasDemonstracoes = QStringLiteral("20");

GradeColunas grade(double largura)
{
    return GradeColunas({{QStringLiteral("Conta"), 1.3},
                         {QStringLiteral("Descrição"), 7},
                         {QStringLiteral("Valor (R$)"), 2.2, Qt::AlignRight}},
                        largura);
}

QString valor(qint64 centavos)
{
    return FormatoBR::valor(static_cast<double>(centavos) / 100.0);
}

} // namespace

TqrpDemonstracaoContabil::TqrpDemonstracaoContabil(QChar tipo)
    : TqrpModRelatorioTrimestre(QStringLiteral("Vigência :  "))
    , m_tipo(tipo)
{
}

bool TqrpDemonstracaoContabil::vazio() const
{
    return std::none_of(m_linhas.cbegin(), m_linhas.cend(), [](const Linha &l) { return l.centavos != 0; });
}

void TqrpDemonstracaoContabil::carregarDados(const QSqlDatabase &db)
{
    m_linhas.clear();
    const QDate trimestre = definirTrimestre(db);
    if (!trimestre.isValid())
        return;
    DemonstracaoContabil demonstracao(db, operadora(), trimestre, m_tipo);
    demonstracao.carregar();

    // A quarter's values belong to one chart version, the oldest its rows use (the
    // one the quarter was built with); rows of any other version are not printed
    // beside them.
    QDate versao;
    for (const ContaDemonstracao &c : demonstracao.contas())
        if (c.idTipoPlano.trimmed() == planoDasDemonstracoes && (!versao.isValid() || c.versaoPlano < versao))
            versao = c.versaoPlano;
    const int total = demonstracao.linhaTotal();
    for (int i = 0; i < demonstracao.contas().size(); ++i) {
        const ContaDemonstracao &c = demonstracao.contas().at(i);
        if (c.idTipoPlano.trimmed() != planoDasDemonstracoes || c.versaoPlano != versao)
            continue;
        Linha l;
        l.conta = c.contabil.trimmed();
        l.descricao = c.descricao.trimmed();
        l.nivel = std::max(1, c.nivel());
        l.centavos = c.valor.arredondadaEmCentavos().dezMilesimos() / 100;
        l.calculada = !c.editavel();
        l.total = i == total;
        m_linhas << l;
    }
}

Banda TqrpDemonstracaoContabil::cabecalhoColunas(double largura) const
{
    return grade(largura).cabecalho();
}

QList<Banda> TqrpDemonstracaoContabil::corpo(double largura) const
{
    const GradeColunas g = grade(largura);
    QList<Banda> bandas;
    for (const Linha &l : m_linhas) {
        const EstiloTexto estilo = (l.calculada || l.total) ? EstiloTexto::forte() : EstiloTexto::padrao();
        Banda b(TipoBanda::Detalhe, GradeColunas::alturaLinha);
        b.rotulo(g.celula(0), l.conta, Qt::AlignLeft | Qt::AlignTop, estilo);
        // Each level three millimetres further in than its parent.
        QRectF descricao = g.celula(1);
        descricao.setLeft(descricao.left() + 3.0 * (l.nivel - 1));
        b.texto(descricao, l.descricao, Qt::AlignLeft | Qt::AlignTop, estilo);
        b.rotulo(g.celula(2), valor(l.centavos), Qt::AlignRight | Qt::AlignTop, estilo);
        if (l.total) {
            b.linha(QLineF(0, 0.1, largura, 0.1), 0.3);
            if (totalSombreado())
                b.fundo(corSombreado());
        }
        bandas << b;
    }
    return bandas;
}

} // namespace kelpa::relatorios
