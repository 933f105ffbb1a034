#include "TrimestresEconomicos.h"

#include "MontagemEstrutura.h"
#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "quadros/base/Periodos.h"

#include <QDebug>

namespace kelpa::TrimestresEconomicos {

QList<QDate> Lista(const QSqlDatabase &db, const QString &codOper)
{
    Consulta q(db, QStringLiteral("SELECT DISTINCT DT_INIC_VIGN FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = :CDOPER "
                                  "ORDER BY DT_INIC_VIGN DESC"));
    q.bind(QStringLiteral(":CDOPER"), codOper);
    q.executar();
    QList<QDate> trimestres;
    while (q.proxima())
        trimestres << q.data(QStringLiteral("DT_INIC_VIGN"));
    return trimestres;
}

QDate CriaPeriodoInicial(const QSqlDatabase &db, const QString &codOper, const QDate &piso)
{
    if (!Lista(db, codOper).isEmpty())
        return {};
    // The earliest registration period, whatever order the database returns rows in.
    const QDate primeiro = Periodos::PrimeiroTrimestre(db, codOper, piso);
    if (!primeiro.isValid())
        return {};
    if (!IncluiNovoTrimestre(db, codOper, primeiro))
        throw ErroBanco(QStringLiteral("Houve erro na criação do período inicial.\rTente novamente..."));
    return primeiro;
}

bool IncluiNovoTrimestre(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre, bool comSaldoAcumulado)
{
    try {
        Transacao transacao(db);
        if (!Periodos::IncluiTrimestre(db, codOper, trimestre))
            return false;
        MontagemEstrutura(db, codOper, trimestre).MontaNovoTrimestre(comSaldoAcumulado);
        transacao.confirmar();
        return true;
    } catch (const ErroBanco &e) {
        qWarning() << "Trimestre não incluído:" << e.textoCompleto();
        return false;
    }
}

void GarantirLinha(const QSqlDatabase &db, QLatin1StringView tabela, const QString &codOper, const QDate &trimestre,
                   QLatin1StringView colunaComN)
{
    // The names come from the code, never from what the user types.
    const QString coluna = colunaComN.isEmpty() ? QString() : QStringLiteral(", ") + colunaComN;
    const QString valor = colunaComN.isEmpty() ? QString() : QStringLiteral(", 'N'");
    Transacao transacao(db);
    Consulta(db, QStringLiteral("INSERT INTO %1 (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM%2) SELECT :CDOPER, :DTVIGN, 'N'%3 "
                                "WHERE NOT EXISTS (SELECT 1 FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN)")
                     .arg(tabela, coluna, valor))
        .bind(QStringLiteral(":CDOPER"), codOper)
        .bind(QStringLiteral(":DTVIGN"), trimestre)
        .executar();
    transacao.confirmar();
}

QString GravarLinha(const QSqlDatabase &db, QLatin1StringView tabela, const QString &codOper, const QDate &trimestre,
                    const QList<QPair<QString, QVariant>> &valores, const QString &estadoAtual)
{
    QString atribuicoes;
    for (qsizetype i = 0; i < valores.size(); ++i)
        atribuicoes += QStringLiteral("%1 = :V%2, ").arg(valores.at(i).first).arg(i);
    Consulta escrita(db, QStringLiteral("UPDATE %1 SET %2LG_ALTR_TRAM = :ESTADO WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN")
                             .arg(tabela, atribuicoes));
    for (qsizetype i = 0; i < valores.size(); ++i)
        escrita.bind(QStringLiteral(":V%1").arg(i), valores.at(i).second);
    const QString estado = EstadoTransmissaoAoGravar(estadoAtual);
    escrita.bind(QStringLiteral(":ESTADO"), estado)
        .bind(QStringLiteral(":CDOPER"), codOper)
        .bind(QStringLiteral(":DTVIGN"), trimestre)
        .executar();
    return estado;
}

} // namespace kelpa::TrimestresEconomicos
