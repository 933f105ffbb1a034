// Structure assembly: a quarter's value rows from the versioned code tables.

#include "apoio/BancoTemporario.h"

#include "app/banco/Consulta.h"
#include "quadros/demonstracoes/MontagemEstrutura.h"
#include "quadros/demonstracoes/TrimestresEconomicos.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

const QString oper = QStringLiteral("345678");

void inserirConta(const BancoTemporario &banco, const QString &versao, const QString &tipo, const QString &referencia,
                  const QString &contabil, const QString &descricao, const QString &editar, const QString &compoe,
                  const QString &ordem)
{
    Consulta(banco.db(), QStringLiteral("INSERT INTO TB_PLANOCONTAS (ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, CD_CONTA_REFERENCIA, "
                                        "CD_CONTA_CONTABIL, DE_CONTA_CONTABIL, TP_CONTA_CONTABIL, TP_EDITAR, CD_CONTA_COMPOE, "
                                        "CD_CONTA_ORDEM) VALUES ('20', :V, :R, :C, :D, :T, :E, :P, :O)"))
        .bind(QStringLiteral(":V"), versao)
        .bind(QStringLiteral(":R"), referencia)
        .bind(QStringLiteral(":C"), contabil)
        .bind(QStringLiteral(":D"), descricao)
        .bind(QStringLiteral(":T"), tipo)
        .bind(QStringLiteral(":E"), editar)
        .bind(QStringLiteral(":P"), compoe)
        .bind(QStringLiteral(":O"), ordem)
        .executar();
}

// A small chart in two versions: 2001 has three accounts per statement, 2006 four.
void planoSintetico(const BancoTemporario &banco)
{
    banco.sql(QStringLiteral("DELETE FROM TB_PLANOCONTAS"));
    const QList<std::tuple<QString, QString, QString>> tipos = {{QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("Total do Ativo")},
                                                                {QStringLiteral("P"), QStringLiteral("2"), QStringLiteral("Total do Passivo")},
                                                                {QStringLiteral("R"), QStringLiteral("3"), QStringLiteral("Resultado Líquido")}};
    for (const QString &versao : {QStringLiteral("2001-01-01"), QStringLiteral("2006-01-01")}) {
        for (const auto &[tipo, base, total] : tipos) {
            const QString raiz = base + QStringLiteral("900");
            inserirConta(banco, versao, tipo, raiz, base, total, QStringLiteral("N"), QStringLiteral("0"), QStringLiteral("9"));
            inserirConta(banco, versao, tipo, base + QStringLiteral("100"), base + QStringLiteral("1"), QStringLiteral("Conta um"),
                         QStringLiteral("S"), raiz, QStringLiteral("1"));
            inserirConta(banco, versao, tipo, base + QStringLiteral("200"), base + QStringLiteral("2"), QStringLiteral("Conta dois"),
                         QStringLiteral("S"), raiz, QStringLiteral("2"));
            if (versao == u"2006-01-01")
                inserirConta(banco, versao, tipo, base + QStringLiteral("300"), base + QStringLiteral("3"),
                             QStringLiteral("Conta três"), QStringLiteral("S"), raiz, QStringLiteral("3"));
        }
    }
}

QString versoesDoTrimestre(const BancoTemporario &banco, const QDate &trimestre)
{
    return banco
        .escalar(QStringLiteral("SELECT GROUP_CONCAT(DISTINCT DT_INIC_VIGN_PLANO) || ':' || COUNT(*) FROM PLANOCONTASVALOR "
                                "WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '%2'")
                     .arg(oper, trimestre.toString(Qt::ISODate)))
        .toString();
}

} // namespace

TEST(DemonstracoesMontagem, EachQuarterGetsTheVersionInForce)
{
    struct Caso {
        QDate trimestre;
        const char *esperado; // version:rows
    };
    const Caso casos[] = {
        {QDate(2005, 7, 1), "2001-01-01:9"},  // between versions: the older one
        {QDate(2006, 1, 1), "2006-01-01:12"}, // a version starting on the quarter
        {QDate(2006, 4, 1), "2006-01-01:12"}, // after the newest: the newest
        {QDate(2000, 10, 1), "2001-01-01:9"}, // before every version: the oldest
    };
    BancoTemporario banco;
    planoSintetico(banco);
    for (const Caso &c : casos) {
        EXPECT_EQ(MontagemEstrutura(banco.db(), oper, c.trimestre).MontaPlanoContasValor(),
                  QString::fromLatin1(c.esperado).section(u':', 1).toInt());
        EXPECT_EQ(versoesDoTrimestre(banco, c.trimestre), QString::fromLatin1(c.esperado)) << c.trimestre.toString().toStdString();
    }
    // New rows: value 0, never transmitted, with the chart's plan type.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR WHERE VL_CONTA_REFERENCIA <> 0 "
                                           "OR LG_ALTR_TRAM <> 'N' OR ID_TIPO_PLANO <> '20'")).toInt(), 0);
}

TEST(DemonstracoesMontagem, RunningAgainInsertsNothingAndKeepsValues)
{
    BancoTemporario banco;
    planoSintetico(banco);
    const QDate t(2006, 4, 1);
    QList<std::tuple<int, int, int>> progresso;
    MontagemEstrutura montagem(banco.db(), oper, t, [&](int b, int p, int m) { progresso.append({b, p, m}); });
    EXPECT_EQ(montagem.MontaPlanoContasValor(), 12);
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 5, LG_ALTR_TRAM = 'T' WHERE CD_CONTA_REFERENCIA = '1100'"));
    progresso.clear();
    EXPECT_EQ(montagem.MontaPlanoContasValor(), 0);
    EXPECT_EQ(versoesDoTrimestre(banco, t), QStringLiteral("2006-01-01:12"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT VL_CONTA_REFERENCIA || LG_ALTR_TRAM FROM PLANOCONTASVALOR "
                                           "WHERE CD_CONTA_REFERENCIA = '1100'")).toString(),
              QStringLiteral("5.0T"));
    // Bar 1 counts the 12 rows already there (every statement's), bar 2 the none inserted.
    EXPECT_TRUE(progresso.contains(std::tuple{1, 12, 12}));
    EXPECT_TRUE(progresso.contains(std::tuple{2, 0, 0}));
}

TEST(DemonstracoesMontagem, ExistingRowsKeepTheirVersionAndOnlyItsNewAccountsArrive)
{
    BancoTemporario banco;
    planoSintetico(banco);
    const QDate t(2006, 4, 1);
    MontagemEstrutura montagem(banco.db(), oper, t);
    montagem.MontaPlanoContasValor();

    // A later version, even one starting on the quarter itself, never replaces rows already there.
    inserirConta(banco, QStringLiteral("2006-04-01"), QStringLiteral("A"), QStringLiteral("1900"), QStringLiteral("1"),
                 QStringLiteral("Total do Ativo"), QStringLiteral("N"), QStringLiteral("0"), QStringLiteral("9"));
    EXPECT_EQ(montagem.MontaPlanoContasValor(), 0);

    // An account added to an older version does not concern this quarter...
    inserirConta(banco, QStringLiteral("2001-01-01"), QStringLiteral("P"), QStringLiteral("2400"), QStringLiteral("24"),
                 QStringLiteral("Conta nova"), QStringLiteral("S"), QStringLiteral("2900"), QStringLiteral("4"));
    EXPECT_EQ(montagem.MontaPlanoContasValor(), 0);
    // ...one added to the version its rows use arrives with value 0.
    inserirConta(banco, QStringLiteral("2006-01-01"), QStringLiteral("P"), QStringLiteral("2400"), QStringLiteral("24"),
                 QStringLiteral("Conta nova"), QStringLiteral("S"), QStringLiteral("2900"), QStringLiteral("4"));
    EXPECT_EQ(montagem.MontaPlanoContasValor(), 1);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT DT_INIC_VIGN_PLANO || VL_CONTA_REFERENCIA || LG_ALTR_TRAM FROM PLANOCONTASVALOR "
                                           "WHERE CD_CONTA_REFERENCIA = '2400'")).toString(),
              QStringLiteral("2006-01-010.0N"));
}

TEST(DemonstracoesMontagem, CashFlowAndAgesFrom2006WithTheShippedTables)
{
    BancoTemporario banco;
    auto linhas = [&](const char *tabela, const QDate &t) {
        return banco.escalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE CD_OPER = '%2' AND DT_INIC_VIGN = '%3'")
                                 .arg(QLatin1String(tabela), oper, t.toString(Qt::ISODate)))
            .toInt();
    };
    const QDate de2005(2005, 10, 1);
    const QDate de2006(2006, 1, 1);
    const QDate de2007(2007, 4, 1);
    MontagemEstrutura(banco.db(), oper, de2005).MontaNovoTrimestre();
    MontagemEstrutura(banco.db(), oper, de2006).MontaNovoTrimestre();
    MontagemEstrutura(banco.db(), oper, de2007).MontaNovoTrimestre();
    const int antes2007 = banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_PLANOCONTAS WHERE DT_INIC_VIGN_PLANO = '2001-01-01'")).toInt();
    const int desde2007 = banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_PLANOCONTAS WHERE DT_INIC_VIGN_PLANO = '2007-01-01'")).toInt();
    EXPECT_EQ(linhas("PLANOCONTASVALOR", de2005), antes2007);
    EXPECT_EQ(linhas("PLANOCONTASVALOR", de2006), antes2007);
    EXPECT_EQ(linhas("PLANOCONTASVALOR", de2007), desde2007);
    EXPECT_EQ(linhas("TB_FluxoCaixaValor", de2005), 0);
    EXPECT_EQ(linhas("TB_IdadeSaldoValor", de2005), 0);
    EXPECT_EQ(linhas("TB_FluxoCaixaValor", de2006), 37);
    EXPECT_EQ(linhas("TB_IdadeSaldoValor", de2006), 70);
    EXPECT_EQ(linhas("TB_IdadeSaldoValor", de2007), 70);
    EXPECT_EQ(MontagemEstrutura(banco.db(), oper, de2006).MontaFluxoCaixaValor(), 0);
    EXPECT_EQ(MontagemEstrutura(banco.db(), oper, de2006).MontaIdadeSaldoValor(), 0);
}

TEST(DemonstracoesMontagem, AccumulatedBalancesAreSeededOnceFromTheNewestRegistration)
{
    BancoTemporario banco;
    MontagemEstrutura montagem(banco.db(), oper, QDate(2006, 7, 1));
    // Nothing to seed from before the operator is registered.
    EXPECT_EQ(montagem.MontaSaldoAcumulado(), 0);
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '2003-02-01', 0), "
                             "('345678', '2006-05-10', 0)"));
    EXPECT_EQ(montagem.MontaSaldoAcumulado(), 9);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT NR_ANO || '|' || VL_SALDO_FINAL_ANO || '|' || LG_ALTR_TRAM FROM SALDOACUMULADOANO")).toString(),
              QStringLiteral("2005|0.0|N"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(CD_ITEM_SALDO) || '|' || MIN(NR_ANO) || MAX(NR_ANO) || '|' || "
                                           "MIN(NR_TRIMESTRE) || MAX(NR_TRIMESTRE) || '|' || MIN(DT_INIC_VIGN_SALDO) || "
                                           "MAX(DT_INIC_VIGN_SALDO) FROM SALDOACUMULADOTRIMESTRE")).toString(),
              QStringLiteral("01,02,03,04,05,06,07,08|20062006|22|2005-01-012005-01-01"));
    EXPECT_EQ(montagem.MontaSaldoAcumulado(), 0);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOTRIMESTRE")).toInt(), 8);
}

TEST(DemonstracoesMontagem, AccumulatedBalancesNeverDoubleAQuartersItems)
{
    BancoTemporario banco;
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '2006-05-10', 0)"));
    ASSERT_TRUE(TrimestresEconomicos::IncluiNovoTrimestre(banco.db(), oper, QDate(2006, 4, 1), true));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOTRIMESTRE WHERE NR_ANO = 2006 AND NR_TRIMESTRE = 2")).toInt(), 8);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOANO WHERE NR_ANO = 2005")).toInt(), 1);
}

TEST(DemonstracoesMontagem, TheFirstQuarterComesFromTheEarliestRegistration)
{
    struct Caso {
        QStringList registros;
        QDate esperado;
    };
    const Caso casos[] = {
        {{QStringLiteral("1999-08-15")}, QDate(2001, 1, 1)},
        {{QStringLiteral("2003-08-15")}, QDate(2003, 7, 1)},
        // Several periods: the earliest, whatever order the database returns them in.
        {{QStringLiteral("2006-03-01"), QStringLiteral("2003-08-15"), QStringLiteral("2005-01-01")}, QDate(2003, 7, 1)},
        {{}, QDate()},
    };
    for (const Caso &c : casos) {
        BancoTemporario banco;
        for (const QString &data : c.registros)
            banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '%1', 0)").arg(data));
        EXPECT_EQ(TrimestresEconomicos::CriaPeriodoInicial(banco.db(), oper), c.esperado);
        EXPECT_EQ(TrimestresEconomicos::Lista(banco.db(), oper), c.esperado.isValid() ? QList<QDate>{c.esperado} : QList<QDate>{});
        if (!c.esperado.isValid())
            continue;
        EXPECT_GT(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR")).toInt(), 100);
        // Once there are quarters there is no initial period to create.
        EXPECT_FALSE(TrimestresEconomicos::CriaPeriodoInicial(banco.db(), oper).isValid());
    }
}
