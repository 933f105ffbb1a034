#include "Participadas.h"

namespace kelpa {

Participadas::Participadas(const QSqlDatabase &db, const QString &codOper)
    : m_periodos(db, codOper, tabelas())
    , m_participacoes(db, codOper, {QStringLiteral("PARTICIPADAS"), QStringLiteral("NR_SEQL_PTPD"), QStringLiteral("QT_TOTL_ACAO_PTPD")}, m_periodos)
{
}

TabelasPeriodo Participadas::tabelas()
{
    return {QStringLiteral("QUADROPARTICIPADAS"),
            {QStringLiteral("LG_PULV")},
            QStringLiteral("PARTICIPADAS"),
            {QStringLiteral("NR_SEQL_PTPD"), QStringLiteral("ID_PSOA"), QStringLiteral("QT_ACAO"), QStringLiteral("QT_TOTL_ACAO_PTPD"),
             QStringLiteral("LG_REDE_PPIO")},
            {{QStringLiteral("LG_PULV"), QVariant(QStringLiteral("F"))}}};
}

QStringList Participadas::ItensFaltantes(bool semNome, const std::optional<qint64> &quantidade, const std::optional<qint64> &total)
{
    QStringList itens;
    if (semNome)
        itens << QStringLiteral(">> Razão Social");
    if (!quantidade)
        itens << QStringLiteral(">> Quantidade de Ações/Quotas");
    if (!total)
        itens << QStringLiteral(">> Número Total de Ações/Quotas");
    return itens;
}

QString Participadas::ErroQuantidades(qint64 quantidade, qint64 total)
{
    if (quantidade == 0 && total == 0)
        return QStringLiteral("Quantidade de Ações/Quotas e Nº Total de Ações/Quotas NÃO PODEM estar com ZERO.");
    if (quantidade == 0)
        return QStringLiteral("Quantidade de Ações/Quotas está com ZERO, enquanto Nº Total de Ações/Quotas é DIFERENTE DE ZERO.");
    if (total == 0)
        return QStringLiteral("Quantidade de Ações/Quotas é diferente de ZERO, enquanto Nº Total de Ações/Quotas é IGUAL A ZERO.");
    if (quantidade > total)
        return QStringLiteral("A Quantidade de Ações/Quotas está MAIOR que Nº Total de Ações/Quotas da Operadora.");
    return {};
}

} // namespace kelpa
