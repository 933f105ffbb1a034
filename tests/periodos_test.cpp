// Periods: their texts, quarter arithmetic, and the rows created and deleted with a quarter.

#include "apoio/BancoTemporario.h"

#include "quadros/base/Periodos.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

TEST(Periodos, TextsOfTheThreeModes)
{
    // Registration periods run until the day before the next newer one.
    const QList<QDate> datas = {QDate(2007, 1, 1), QDate(2006, 7, 1), QDate(2005, 1, 1)};
    QStringList textos;
    QDate anterior;
    for (const QDate &d : datas) {
        textos << Periodos::TextoPeriodo(TipoPeriodo::Intervalo, anterior, d);
        anterior = d.addDays(-1);
    }
    EXPECT_EQ(textos, QStringList({"A partir de 01/01/2007", "de 01/07/2006 até 31/12/2006", "de 01/01/2005 até 30/06/2006"}));
    EXPECT_EQ(Periodos::TextoPeriodo(TipoPeriodo::Dia, {}, QDate(2007, 3, 15)), QStringLiteral("15 de março de 2007"));
    EXPECT_EQ(Periodos::TextoPeriodo(TipoPeriodo::Trimestre, {}, QDate(2007, 4, 1)), QStringLiteral("2º Trimestre de 2007"));
    EXPECT_EQ(Periodos::TextoPeriodo(TipoPeriodo::Trimestre, {}, QDate(2006, 10, 1)), QStringLiteral("4º Trimestre de 2006"));
    EXPECT_EQ(Periodos::TituloGrupo(TipoPeriodo::Trimestre), QStringLiteral("Trimestre:"));
}

TEST(Periodos, QuarterArithmetic)
{
    EXPECT_EQ(Periodos::ProximoTrimestre(QDate(2006, 10, 1)), QDate(2007, 1, 1));
    EXPECT_EQ(Periodos::ProximoTrimestre(QDate(2007, 4, 1)), QDate(2007, 7, 1));
    EXPECT_EQ(Periodos::InicioDoTrimestre(QDate(2003, 8, 15)), QDate(2003, 7, 1));
    EXPECT_EQ(Periodos::InicioDoTrimestre(QDate(2003, 12, 31)), QDate(2003, 10, 1));
    for (int mes = 1; mes <= 12; ++mes)
        EXPECT_EQ(Periodos::NumeroTrimestre(QDate(2007, mes, 1)), (mes + 2) / 3);
}

TEST(Periodos, TheFirstQuarterFollowsTheRegistrationNeverAnOddDate)
{
    BancoTemporario banco;
    EXPECT_FALSE(Periodos::TrimestreSeguinte(banco.db(), QStringLiteral("345678"), {}).isValid());
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '2003-08-15', 0)"));
    EXPECT_EQ(Periodos::TrimestreSeguinte(banco.db(), QStringLiteral("345678"), {}), QDate(2003, 7, 1));
    // The earliest registration period counts, whatever order the rows come in.
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '1999-08-15', 0)"));
    EXPECT_EQ(Periodos::DataInicioOperadora(banco.db(), QStringLiteral("345678")), QDate(1999, 8, 15));
    EXPECT_EQ(Periodos::TrimestreSeguinte(banco.db(), QStringLiteral("345678"), {}), QDate(2001, 1, 1));
    EXPECT_EQ(Periodos::TrimestreSeguinte(banco.db(), QStringLiteral("345678"), QDate(2006, 10, 1)), QDate(2007, 1, 1));
}

TEST(Periodos, NewPeriodDates)
{
    using A = Periodos::AvaliacaoNovaData;
    struct Caso {
        const char *texto;
        QDate inicioOperadora;
        A::Situacao situacao;
        const char *inicioMensagem;
    };
    const Caso casos[] = {
        {"15/03/2000", QDate(2003, 5, 1), A::Antes2001, "Periodo 15/03/2000, não permitido.\r\nSomente períodos a partir de 01/01/2001"},
        {"01/01/2001", QDate(2003, 5, 1), A::Aceita, ""},
        {"10/10/2002", QDate(2003, 5, 1), A::AntesDaOperadora,
         "Período 10/10/2002, não permitido.\r\nSomente períodos a partir da data\r\nde vigencia da operadora \"01/05/2003\""},
        {"01/05/2003", QDate(2003, 5, 1), A::Aceita, ""},
        {"10/10/2002", QDate(), A::Aceita, ""},
        {"31/02/2007", QDate(), A::Invalida, "31/02/2007, Data inválida.\r\ndigite uma data no formato dd/mm/yyyy"},
        {"  /  /    ", QDate(), A::Invalida, "/  /, Data inválida."},
    };
    for (const Caso &c : casos) {
        const auto avaliacao = Periodos::AvaliaNovaData(QString::fromUtf8(c.texto), c.inicioOperadora);
        EXPECT_EQ(avaliacao.situacao, c.situacao) << c.texto;
        if (c.situacao == A::Aceita)
            EXPECT_TRUE(avaliacao.mensagem.isEmpty()) << c.texto;
        else
            EXPECT_TRUE(avaliacao.mensagem.startsWith(QString::fromUtf8(c.inicioMensagem))) << c.texto;
    }
}

class TrimestreTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Two versions of the profit items: quarters take the newest on or before their date.
        banco.sql(QStringLiteral("DELETE FROM TP_ITEMSALDO"));
        for (const char *linha : {"('01','2005-01-01','Item antigo','P')", "('01','2007-01-01','Resultado','P')",
                                  "('02','2007-01-01','Dividendos','N')", "('03','2007-01-01','Ajustes','A')"})
            banco.sql(QStringLiteral("INSERT INTO TP_ITEMSALDO (CD_ITEM_SALDO, DT_INIC_VIGN_SALDO, DE_ITEM_SALDO, TP_SINAL_ITEM) VALUES %1")
                          .arg(QLatin1String(linha)));
    }
    int contar(const QString &sql) const { return banco.escalar(sql).toInt(); }
    int linhasDoTrimestre() const
    {
        return contar(QStringLiteral("SELECT (SELECT COUNT(*) FROM QUADRORECEITASDESPESASUF) + (SELECT COUNT(*) FROM DADOSGERENCIAIS) "
                                     "+ (SELECT COUNT(*) FROM SALDOACUMULADOTRIMESTRE) + (SELECT COUNT(*) FROM ATIVOS_VINCULADOS)"));
    }

    BancoTemporario banco;
    const QString operadora = QStringLiteral("345678");
};

TEST_F(TrimestreTeste, CreatingAQuarterMakesItsRowsOnce)
{
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), operadora, QDate(2007, 4, 1)));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOTRIMESTRE WHERE NR_ANO = 2007 AND NR_TRIMESTRE = 2 "
                                    "AND VL_ITEM_SALDO = 0 AND LG_ALTR_TRAM = 'N' AND DT_INIC_VIGN_SALDO = '2007-01-01'")), 3);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ATIVOS_VINCULADOS WHERE CD_SEQ_ATIVO = '9999999999' "
                                    "AND DT_INIC_VIGN = '2007-04-01'")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM QUADRORECEITASDESPESASUF WHERE DT_INIC_VIGN = '2007-04-01' "
                                    "AND LG_ALTR_TRAM = 'N'")), 1);
    EXPECT_EQ(linhasDoTrimestre(), 6);

    // Again, also after the header was transmitted: nothing doubles.
    banco.sql(QStringLiteral("UPDATE QUADRORECEITASDESPESASUF SET LG_ALTR_TRAM = 'T'"));
    banco.sql(QStringLiteral("UPDATE ATIVOS_VINCULADOS SET LG_ALTR_TRAM = 'T'"));
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), operadora, QDate(2007, 4, 1)));
    EXPECT_EQ(linhasDoTrimestre(), 6);

    // A 2006 quarter takes the older item list.
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), operadora, QDate(2006, 10, 1)));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOTRIMESTRE WHERE NR_ANO = 2006 AND DT_INIC_VIGN_SALDO = '2005-01-01'")), 1);
}

TEST_F(TrimestreTeste, DeletingAQuarterKeepsTransmittedRows)
{
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), operadora, QDate(2007, 1, 1)));
    banco.sql(QStringLiteral("INSERT INTO SALDOACUMULADOANO (CD_OPER, NR_ANO, LG_ALTR_TRAM) VALUES ('345678', 2006, 'N')"));
    banco.sql(QStringLiteral("INSERT INTO SALDOACUMULADOANO (CD_OPER, NR_ANO, LG_ALTR_TRAM) VALUES ('345678', 2005, 'N')"));
    banco.sql(QStringLiteral("UPDATE SALDOACUMULADOTRIMESTRE SET LG_ALTR_TRAM = 'T' WHERE CD_ITEM_SALDO = '01'"));
    banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, CD_CONTA_REFERENCIA, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2007-01-01', '1', 'N'), ('345678', '2007-01-01', '2', 'A')"));
    // Another operator's quarter is never touched.
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), QStringLiteral("312345"), QDate(2007, 1, 1)));

    ASSERT_TRUE(Periodos::ExcluiTrimestre(banco.db(), operadora, QDate(2007, 1, 1)));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOTRIMESTRE WHERE CD_OPER = '345678'")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOANO WHERE NR_ANO = 2006")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOANO WHERE NR_ANO = 2005")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = '345678'")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR WHERE CD_OPER = '345678'")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = '312345'")), 1);
}

TEST_F(TrimestreTeste, SecondQuarterLeavesTheYearAndOldLinkedAssetsStay)
{
    banco.sql(QStringLiteral("INSERT INTO SALDOACUMULADOANO (CD_OPER, NR_ANO, LG_ALTR_TRAM) VALUES ('345678', 2006, 'N')"));
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), operadora, QDate(2007, 4, 1)));
    ASSERT_TRUE(Periodos::ExcluiTrimestre(banco.db(), operadora, QDate(2007, 4, 1)));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM SALDOACUMULADOANO")), 1);

    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), operadora, QDate(2004, 10, 1)));
    ASSERT_TRUE(Periodos::ExcluiTrimestre(banco.db(), operadora, QDate(2004, 10, 1)));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ATIVOS_VINCULADOS WHERE DT_INIC_VIGN = '2004-10-01'")), 1);
}

TEST_F(TrimestreTeste, ADatabaseErrorLeavesNothingHalfDone)
{
    banco.sql(QStringLiteral("CREATE TRIGGER recusa_insercao BEFORE INSERT ON ATIVOS_VINCULADOS BEGIN SELECT RAISE(ABORT, 'recusado'); END"));
    EXPECT_FALSE(Periodos::IncluiTrimestre(banco.db(), operadora, QDate(2007, 4, 1)));
    EXPECT_EQ(linhasDoTrimestre(), 0);
    banco.sql(QStringLiteral("DROP TRIGGER recusa_insercao"));

    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), operadora, QDate(2007, 4, 1)));
    banco.sql(QStringLiteral("CREATE TRIGGER recusa_exclusao BEFORE DELETE ON DADOSGERENCIAIS BEGIN SELECT RAISE(ABORT, 'recusado'); END"));
    EXPECT_FALSE(Periodos::ExcluiTrimestre(banco.db(), operadora, QDate(2007, 4, 1)));
    EXPECT_EQ(linhasDoTrimestre(), 6);
}
