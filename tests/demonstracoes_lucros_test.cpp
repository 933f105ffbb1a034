// Quadro 16's figures without a window: the year's movement item by item, the
// current balance, the sign of each item, when the previous year's balance may be
// typed, and what one confirmation writes (or, when the database refuses, does not).

#include "demonstracoes_apoio.h"
#include "apoio/BancoTemporario.h"

#include "app/banco/ErroBanco.h"
#include "quadros/base/Periodos.h"
#include "quadros/demonstracoes/LucrosPrejuizos.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

const QString oper = QStringLiteral("345678");

Moeda reais(qint64 r) { return Moeda::deCentavos(r * 100); }

class LucrosPrejuizosTeste : public ::testing::Test
{
protected:
    // The quarters of a year, each with its eight items at zero.
    void trimestres(int ano, std::initializer_list<int> numeros)
    {
        for (int n : numeros)
            ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), oper, QDate(ano, n * 3 - 2, 1)));
    }
    void movimento(int ano, int trimestre, const char *item, const char *valor)
    {
        banco.sql(QStringLiteral("UPDATE SALDOACUMULADOTRIMESTRE SET VL_ITEM_SALDO = %1 WHERE CD_OPER = '345678' "
                                 "AND NR_ANO = %2 AND NR_TRIMESTRE = %3 AND CD_ITEM_SALDO = '%4'")
                      .arg(QLatin1String(valor))
                      .arg(ano)
                      .arg(trimestre)
                      .arg(QLatin1String(item)));
    }
    void saldoDoAno(int ano, const char *valor, const char *estado = "N")
    {
        banco.sql(QStringLiteral("INSERT INTO SALDOACUMULADOANO (CD_OPER, NR_ANO, VL_SALDO_FINAL_ANO, LG_ALTR_TRAM) "
                                 "VALUES ('345678', %1, %2, '%3')")
                      .arg(ano)
                      .arg(QLatin1String(valor), QLatin1String(estado)));
    }
    QString guardado(const QString &consulta) const { return banco.escalar(consulta).toString(); }
    static int linhaDoItem(const LucrosPrejuizos &l, const char *codigo)
    {
        for (int i = 0; i < l.itens().size(); ++i)
            if (l.itens().at(i).codigo == QLatin1String(codigo))
                return i;
        ADD_FAILURE() << "sem o item " << codigo;
        return -1;
    }
    BancoTemporario banco;
};

} // namespace

TEST_F(LucrosPrejuizosTeste, TheQuartersAreThoseItsItemsAreStoredForNewestFirst)
{
    trimestres(2006, {3, 4});
    trimestres(2007, {1});
    EXPECT_EQ(LucrosPrejuizos::Trimestres(banco.db(), oper),
              (QList<QDate>{QDate(2007, 1, 1), QDate(2006, 10, 1), QDate(2006, 7, 1)}));
    EXPECT_TRUE(LucrosPrejuizos::Trimestres(banco.db(), QStringLiteral("999999")).isEmpty());
    EXPECT_FALSE(LucrosPrejuizos::disponivel(QDate(2004, 10, 1)));
    EXPECT_TRUE(LucrosPrejuizos::disponivel(QDate(2005, 1, 1)));
}

TEST_F(LucrosPrejuizosTeste, TheThirdQuarterAccumulatesTheYearAndFollowsTheTyping)
{
    trimestres(2006, {1, 2, 3});
    movimento(2006, 1, "04", "100.0");
    movimento(2006, 2, "04", "50.0");
    movimento(2006, 3, "04", "25.0");
    // Amounts that a double does not add up exactly.
    movimento(2006, 1, "08", "0.1");
    movimento(2006, 2, "08", "0.2");
    LucrosPrejuizos l(banco.db(), oper, QDate(2006, 7, 1));
    l.carregar();
    ASSERT_EQ(l.itens().size(), 8);
    EXPECT_EQ(l.itens().first().descricao, QStringLiteral("(-) Lucros distribuídos"));
    const int resultado = linhaDoItem(l, "04");
    EXPECT_EQ(l.itens().at(resultado).valor, reais(25));
    EXPECT_EQ(l.itens().at(resultado).acumulado(), reais(175));
    EXPECT_EQ(l.itens().at(linhaDoItem(l, "08")).acumulado(), Moeda::deCentavos(30));
    EXPECT_EQ(l.totalTrimestre(), reais(25));
    EXPECT_EQ(l.totalAcumulado(), Moeda::deCentavos(17530));

    EXPECT_TRUE(l.informar(resultado, reais(30)));
    EXPECT_EQ(l.itens().at(resultado).acumulado(), reais(180));
    EXPECT_EQ(l.totalTrimestre(), reais(30));
    EXPECT_EQ(l.totalAcumulado(), Moeda::deCentavos(18030));
    // Typed amounts are cut toward zero to cents.
    EXPECT_TRUE(l.informar(resultado, Moeda::lerDigitado(QStringLiteral("-12,349"))));
    EXPECT_EQ(l.itens().at(resultado).valor, Moeda::deCentavos(-1234));
    EXPECT_FALSE(l.informar(resultado, Moeda::deCentavos(-1234)));
    // Nothing is written before gravar().
    EXPECT_EQ(guardado(QStringLiteral("SELECT VL_ITEM_SALDO FROM SALDOACUMULADOTRIMESTRE WHERE NR_TRIMESTRE = 3 "
                                      "AND CD_ITEM_SALDO = '04'")),
              QStringLiteral("25"));
}

TEST_F(LucrosPrejuizosTeste, TheCurrentBalanceIsThePreviousYearsPlusTheYearsMovement)
{
    trimestres(2007, {1});
    saldoDoAno(2006, "1000.0");
    movimento(2007, 1, "01", "-400.0");
    LucrosPrejuizos l(banco.db(), oper, QDate(2007, 1, 1));
    l.carregar();
    EXPECT_EQ(l.saldoAnterior(), reais(1000));
    EXPECT_EQ(l.saldoAtual(), reais(600));
    EXPECT_TRUE(l.informarSaldoAnterior(Moeda::lerDigitado(QStringLiteral("1.500,999"))));
    EXPECT_EQ(l.saldoAtual(), Moeda::deCentavos(110099));
    EXPECT_TRUE(l.alterado());
}

TEST_F(LucrosPrejuizosTeste, EachItemKeepsItsSign)
{
    trimestres(2007, {1});
    struct Caso {
        const char *item;
        qint64 centavos;
        const char *mensagem; // empty: accepted
    };
    const Caso casos[] = {
        {"01", 15000, "O valor do item (-) Lucros distribuídos deve ser NEGATIVO"},
        {"01", -15000, ""},
        {"03", -1, "O valor do item (+) Reversão de Reservas deve ser POSITIVO"},
        {"03", 1, ""},
        {"04", -99999, ""},
        {"08", 99999, ""},
        {"07", 0, ""},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.item) + " " + std::to_string(c.centavos));
        LucrosPrejuizos l(banco.db(), oper, QDate(2007, 1, 1));
        l.carregar();
        l.informar(linhaDoItem(l, c.item), Moeda::deCentavos(c.centavos));
        EXPECT_EQ(l.criticaSinais(), QString::fromUtf8(c.mensagem));
    }
}

TEST_F(LucrosPrejuizosTeste, ThePreviousYearsBalanceIsTypedInTheYearsFirstQuarter)
{
    trimestres(2006, {4});
    trimestres(2007, {1, 2});
    struct Caso {
        QDate trimestre;
        bool comSaldo;
        bool editavel;
    };
    const Caso casos[] = {
        {QDate(2007, 1, 1), true, true},    // the first quarter
        {QDate(2007, 4, 1), true, false},   // an existing balance only in the first quarter
        {QDate(2007, 4, 1), false, true},   // a balance never stored is typed where it is shown
        {QDate(2006, 10, 1), true, true},   // the operator's first quarter of that year
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.trimestre.toString(Qt::ISODate).toStdString() + (c.comSaldo ? " com saldo" : " sem saldo"));
        banco.sql(QStringLiteral("DELETE FROM SALDOACUMULADOANO"));
        if (c.comSaldo)
            saldoDoAno(c.trimestre.year() - 1, "10.0");
        LucrosPrejuizos l(banco.db(), oper, c.trimestre);
        l.carregar();
        EXPECT_EQ(l.saldoAnteriorEditavel(), c.editavel);
    }
}

TEST_F(LucrosPrejuizosTeste, OneConfirmationWritesTheChangedItemsAndTheBalanceWithTheirTransmissionStates)
{
    trimestres(2007, {1});
    banco.sql(QStringLiteral("UPDATE SALDOACUMULADOTRIMESTRE SET LG_ALTR_TRAM = 'T'"));
    LucrosPrejuizos l(banco.db(), oper, QDate(2007, 1, 1));
    l.carregar();
    l.informar(linhaDoItem(l, "04"), Moeda::lerDigitado(QStringLiteral("649.900,14")));
    l.informar(linhaDoItem(l, "02"), reais(-100));
    l.informarSaldoAnterior(Moeda::lerDigitado(QStringLiteral("1.134.201,22")));
    l.gravar();
    EXPECT_FALSE(l.alterado());
    EXPECT_EQ(guardado(QStringLiteral("SELECT GROUP_CONCAT(CD_ITEM_SALDO || '=' || VL_ITEM_SALDO || LG_ALTR_TRAM, ' ') FROM "
                                      "(SELECT * FROM SALDOACUMULADOTRIMESTRE ORDER BY CD_ITEM_SALDO)")),
              QStringLiteral("01=0.0T 02=-100.0A 03=0.0T 04=649900.14A 05=0.0T 06=0.0T 07=0.0T 08=0.0T"));
    // The year's balance was never stored: it is inserted once, never transmitted.
    EXPECT_EQ(guardado(QStringLiteral("SELECT COUNT(*) || ' ' || NR_ANO || ' ' || VL_SALDO_FINAL_ANO || ' ' || LG_ALTR_TRAM "
                                      "FROM SALDOACUMULADOANO")),
              QStringLiteral("1 2006 1134201.22 N"));

    // Changed again after transmission.
    banco.sql(QStringLiteral("UPDATE SALDOACUMULADOANO SET LG_ALTR_TRAM = 'T'"));
    LucrosPrejuizos outra(banco.db(), oper, QDate(2007, 1, 1));
    outra.carregar();
    EXPECT_EQ(outra.saldoAtual(), Moeda::lerDigitado(QStringLiteral("1.784.001,36")));
    outra.informarSaldoAnterior(reais(5));
    outra.gravar();
    EXPECT_EQ(guardado(QStringLiteral("SELECT COUNT(*) || ' ' || VL_SALDO_FINAL_ANO || ' ' || LG_ALTR_TRAM FROM SALDOACUMULADOANO")),
              QStringLiteral("1 5.0 A"));
}

TEST_F(LucrosPrejuizosTeste, ARefusedWriteKeepsWhatWasTypedAndWritesNothing)
{
    trimestres(2007, {1});
    banco.sql(QStringLiteral("CREATE TRIGGER recusa BEFORE INSERT ON SALDOACUMULADOANO BEGIN SELECT RAISE(ABORT, 'recusado'); END"));
    LucrosPrejuizos l(banco.db(), oper, QDate(2007, 1, 1));
    l.carregar();
    l.informar(linhaDoItem(l, "04"), reais(70));
    l.informarSaldoAnterior(reais(30));
    EXPECT_THROW(l.gravar(), ErroBanco);
    EXPECT_TRUE(l.alterado());
    EXPECT_EQ(l.saldoAtual(), reais(100));
    EXPECT_EQ(guardado(QStringLiteral("SELECT SUM(VL_ITEM_SALDO) FROM SALDOACUMULADOTRIMESTRE")), QStringLiteral("0"));

    // Once the database takes it, the same figures are written.
    banco.sql(QStringLiteral("DROP TRIGGER recusa"));
    l.gravar();
    EXPECT_EQ(guardado(QStringLiteral("SELECT SUM(VL_ITEM_SALDO) FROM SALDOACUMULADOTRIMESTRE")), QStringLiteral("70"));
    EXPECT_EQ(guardado(QStringLiteral("SELECT VL_SALDO_FINAL_ANO FROM SALDOACUMULADOANO")), QStringLiteral("30"));

    // A quarter deleted meanwhile is told, not written into the void.
    LucrosPrejuizos orfa(banco.db(), oper, QDate(2007, 1, 1));
    orfa.carregar();
    orfa.informar(0, reais(-1));
    banco.sql(QStringLiteral("DELETE FROM SALDOACUMULADOTRIMESTRE"));
    EXPECT_THROW(orfa.gravar(), ErroBanco);
}
