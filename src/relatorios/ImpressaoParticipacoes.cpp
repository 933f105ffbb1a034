#include "ImpressaoParticipacoes.h"

#include "GradeColunas.h"

#include "app/Utilitarios.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::relatorios::ImpressaoParticipacoes {

QList<Banda> grade(const QList<Participacao> &lista, const QDate &periodo, double largura, std::optional<qint64> totalOperadora)
{
    // The own-network answer was asked until 2004.
    const bool redePropria = periodo < QDate(2005, 1, 1);
    QList<Coluna> colunas = {{QStringLiteral("Nome / Razão Social"), 3.4}, {QStringLiteral("CPF / CNPJ"), 1.6}};
    if (redePropria)
        colunas << Coluna{QStringLiteral("Rede Própria"), 0.9, Qt::AlignCenter};
    colunas << Coluna{QStringLiteral("Qtde. Ações/Quotas"), 1.4, Qt::AlignRight};
    if (!totalOperadora)
        colunas << Coluna{QStringLiteral("Total Ações/Quotas"), 1.4, Qt::AlignRight};
    colunas << Coluna{QStringLiteral("%"), 0.8, Qt::AlignRight};
    const GradeColunas g(colunas, largura);

    QList<Banda> bandas{g.cabecalho()};
    for (const Participacao &p : lista) {
        QStringList valores{p.nome.toUpper(), FormataDocumento(p.documento)};
        if (redePropria)
            valores << (p.redePropria == QLatin1String("T") ? QStringLiteral("Sim") : QStringLiteral("Não"));
        valores << FormatoBR::inteiro(p.quantidade);
        if (!totalOperadora)
            valores << FormatoBR::inteiro(p.totalEmpresa);
        valores << ParticipacoesPeriodo::Percentual(p.quantidade, totalOperadora.value_or(p.totalEmpresa));
        bandas << g.linha(valores);
    }
    return bandas;
}

} // namespace kelpa::relatorios::ImpressaoParticipacoes
