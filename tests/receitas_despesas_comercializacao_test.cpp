// Quadro 10's selling expenses without a window: the item rows a quarter gets from
// the item list of its version, amounts typed as in Brazil and cut to cents, the
// totals, the undo that brings back amounts and transmission states, and the
// operators that fill the quadro.

#include "demonstracoes_apoio.h"
#include "apoio/BancoTemporario.h"

#include "quadros/demonstracoes/RegrasModalidade.h"
#include "quadros/receitas_despesas/DespesasComercializacao.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

const QString oper = QStringLiteral("345678");
const QDate trimestre(2007, 1, 1);

class DespesasComercializacaoTeste : public ::testing::Test
{
protected:
    // "valor flag" of one item's row, "n" for an empty amount.
    QString linha(const char *codigo, const QDate &t = trimestre) const
    {
        return banco
            .escalar(QStringLiteral("SELECT CASE WHEN VL_DESPESA IS NULL THEN 'n' ELSE printf('%.2f', VL_DESPESA) END || ' ' || "
                                    "COALESCE(LG_ALTR_TRAM, '') "
                                    "FROM DESPESAS_COMERC_VALOR WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%1' AND CD_DESPESA = '%2'")
                         .arg(t.toString(Qt::ISODate), QLatin1String(codigo)))
            .toString();
    }
    int linhas(const QString &onde = QStringLiteral("1 = 1")) const
    {
        return banco.escalar(QStringLiteral("SELECT COUNT(*) FROM DESPESAS_COMERC_VALOR WHERE %1").arg(onde)).toInt();
    }
    BancoTemporario banco;
};

} // namespace

TEST_F(DespesasComercializacaoTeste, AQuarterGetsEveryItemOfItsListOnce)
{
    DespesasComercializacao q10(banco.db(), oper, trimestre);
    EXPECT_EQ(q10.criarLinhasFaltantes(), 6);
    EXPECT_EQ(q10.criarLinhasFaltantes(), 0); // reopening creates nothing
    q10.carregar();
    ASSERT_EQ(q10.itens().size(), 6);
    EXPECT_EQ(q10.itens(DespesasComercializacao::Medico).size(), 3);
    EXPECT_EQ(q10.itens(DespesasComercializacao::Odonto).size(), 3);
    const ItemDespesaComerc &primeiro = q10.itens().first();
    EXPECT_EQ(primeiro.codigo, QStringLiteral("010"));
    EXPECT_EQ(primeiro.descricao, QStringLiteral("Despesas de Comercialização na modalidade de pré-pagamento"));
    EXPECT_TRUE(primeiro.dica.contains(QStringLiteral("431111")));
    EXPECT_EQ(primeiro.versao, QDate(2005, 1, 1));
    EXPECT_FALSE(primeiro.valor.has_value()); // nobody typed it: empty, counted as zero
    EXPECT_EQ(linha("010"), QStringLiteral("n N"));
    EXPECT_TRUE(q10.totalGeral().zero());
}

TEST_F(DespesasComercializacaoTeste, TheVersionOfAQuarterIsKeptOnceItHasRows)
{
    // A newer list from 2008 with one more item.
    banco.sql(QStringLiteral("INSERT INTO TB_DESPESAS_COMERC SELECT ID_TIPO_PLANO, '2008-01-01', CD_DESPESA, DE_DESPESA, "
                             "TP_DESPESA, DE_HINT_DESPESA_COMERC FROM TB_DESPESAS_COMERC WHERE DT_INIC_VIGN_DESP = '2005-01-01'"));
    banco.sql(QStringLiteral("INSERT INTO TB_DESPESAS_COMERC VALUES ('20', '2008-01-01', '050', 'Outras despesas', 'O', '')"));
    const struct {
        QDate trimestre;
        QDate versao;
        int itens;
    } casos[] = {
        {QDate(2004, 10, 1), QDate(2005, 1, 1), 6}, // before every list: the oldest
        {QDate(2007, 10, 1), QDate(2005, 1, 1), 6},
        {QDate(2008, 1, 1), QDate(2008, 1, 1), 7},  // a list starting on the quarter
        {QDate(2008, 4, 1), QDate(2008, 1, 1), 7},
    };
    for (const auto &c : casos) {
        DespesasComercializacao q10(banco.db(), oper, c.trimestre);
        EXPECT_EQ(q10.criarLinhasFaltantes(), c.itens) << c.trimestre.toString(Qt::ISODate).toStdString();
        q10.carregar();
        EXPECT_EQ(q10.itens().size(), c.itens);
        EXPECT_EQ(q10.itens().first().versao, c.versao);
    }
    // A quarter of 2009 whose rows were made with the 2005 list keeps it.
    const QDate t2009(2009, 1, 1);
    banco.sql(QStringLiteral("INSERT INTO DESPESAS_COMERC_VALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, DT_INIC_VIGN_DESP, "
                             "CD_DESPESA, VL_DESPESA, LG_ALTR_TRAM) VALUES ('345678', '2009-01-01', '20', '2005-01-01', '010', 7, 'T')"));
    DespesasComercializacao antigo(banco.db(), oper, t2009);
    EXPECT_EQ(antigo.criarLinhasFaltantes(), 5);
    EXPECT_EQ(linhas(QStringLiteral("DT_INIC_VIGN = '2009-01-01' AND DT_INIC_VIGN_DESP = '2005-01-01'")), 6);
    EXPECT_EQ(linha("010", t2009), QStringLiteral("7.00 T"));
}

TEST_F(DespesasComercializacaoTeste, TypedAmountsAreCutToCentsAndWrittenAtOnce)
{
    DespesasComercializacao q10(banco.db(), oper, trimestre);
    q10.criarLinhasFaltantes();
    q10.carregar();
    const struct {
        const char *digitado;
        const char *gravado;
    } casos[] = {
        {"1.234,56", "1234.56"},    // thousands grouped with "."
        {"99,999", "99.99"},        // cut, never rounded
        {"1,13", "1.13"},           // exactly, not 1,12
        {"-5", "-5.00"},            // negative amounts are kept
        {"-12,349", "-12.34"},      // cut toward zero
        {"12.5", "12.50"},          // a lone "." is the decimal point
        {"1.234.567,891", "1234567.89"},
        {"", "0.00"},
        {"abc", "0.00"},
    };
    for (const auto &c : casos) {
        EXPECT_TRUE(q10.informarDigitado(QStringLiteral("020"), QString::fromUtf8(c.digitado)));
        EXPECT_EQ(linha("020"), QStringLiteral("%1 N").arg(QLatin1String(c.gravado))) << c.digitado;
    }
    EXPECT_FALSE(q10.informarDigitado(QStringLiteral("999"), QStringLiteral("1"))); // no such item
}

TEST_F(DespesasComercializacaoTeste, TotalsByPlanKindAndOfTheQuarter)
{
    DespesasComercializacao q10(banco.db(), oper, trimestre);
    q10.criarLinhasFaltantes();
    q10.carregar();
    q10.informarDigitado(QStringLiteral("010"), QStringLiteral("1.000,50"));
    q10.informarDigitado(QStringLiteral("025"), QStringLiteral("-0,50"));
    q10.informarDigitado(QStringLiteral("030"), QStringLiteral("200"));
    q10.informarDigitado(QStringLiteral("045"), QStringLiteral("0,01"));
    EXPECT_EQ(q10.total(DespesasComercializacao::Medico).texto(), QStringLiteral("1.000,00"));
    EXPECT_EQ(q10.total(DespesasComercializacao::Odonto).texto(), QStringLiteral("200,01"));
    EXPECT_EQ(q10.totalGeral().texto(), QStringLiteral("1.200,01"));
}

TEST_F(DespesasComercializacaoTeste, UndoPutsBackAmountsAndTransmissionStates)
{
    DespesasComercializacao criacao(banco.db(), oper, trimestre);
    criacao.criarLinhasFaltantes();
    // A quarter already sent: one item transmitted, one changed after transmission.
    banco.sql(QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET VL_DESPESA = 100, LG_ALTR_TRAM = 'T' WHERE CD_DESPESA = '010'"));
    banco.sql(QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET VL_DESPESA = 50, LG_ALTR_TRAM = 'A' WHERE CD_DESPESA = '030'"));

    DespesasComercializacao q10(banco.db(), oper, trimestre);
    q10.carregar();
    EXPECT_FALSE(q10.alterado());
    q10.informarDigitado(QStringLiteral("010"), QStringLiteral("150"));
    q10.informarDigitado(QStringLiteral("030"), QStringLiteral("75"));
    q10.informarDigitado(QStringLiteral("040"), QStringLiteral("9"));
    EXPECT_EQ(linha("010"), QStringLiteral("150.00 A"));
    EXPECT_EQ(linha("030"), QStringLiteral("75.00 A"));
    EXPECT_EQ(linha("040"), QStringLiteral("9.00 N"));
    EXPECT_TRUE(q10.alterado());

    q10.desfazer();
    EXPECT_EQ(linha("010"), QStringLiteral("100.00 T")); // sent as it was: stays "sent"
    EXPECT_EQ(linha("030"), QStringLiteral("50.00 A"));
    EXPECT_EQ(linha("040"), QStringLiteral("n N"));      // empty again, not zero
    EXPECT_FALSE(q10.alterado());
    EXPECT_EQ(q10.totalGeral().texto(), QStringLiteral("150,00"));
}

TEST_F(DespesasComercializacaoTeste, UndoIsAllOrNothing)
{
    DespesasComercializacao q10(banco.db(), oper, trimestre);
    q10.criarLinhasFaltantes();
    q10.carregar();
    q10.informarDigitado(QStringLiteral("010"), QStringLiteral("10"));
    q10.informarDigitado(QStringLiteral("045"), QStringLiteral("20"));
    // The database refuses the second row's write: the first is not put back alone.
    banco.sql(QStringLiteral("CREATE TRIGGER recusa BEFORE UPDATE ON DESPESAS_COMERC_VALOR WHEN NEW.CD_DESPESA = '045' "
                             "BEGIN SELECT RAISE(ABORT, 'recusada'); END"));
    EXPECT_ANY_THROW(q10.desfazer());
    EXPECT_EQ(linha("010"), QStringLiteral("10.00 N"));
    EXPECT_EQ(linha("045"), QStringLiteral("20.00 N"));
}

TEST_F(DespesasComercializacaoTeste, TheOperatorsThatFillTheQuadro)
{
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, LG_ALTR_TRAM) VALUES ('345678', '2005-01-01', 0, 'N')"));
    const struct {
        const char *soci, *natureza, *modalidade, *submodalidade;
        bool preenche;
    } casos[] = {
        {"C", "EMPUB", "ADMIN", "ADMPL", true},  {"C", "SOCIA", "ADMIN", "ADMSV", true},
        {"C", "SCIVL", "ADMIN", "ADMPL", false}, {"C", "OUTRC", "ADMIN", "ADMSV", false},
        {"C", "SCIVL", "ADMIN", "SPP", true},    {"C", "SOCIA", "MEGRP", "ADMPL", true},
        {"C", "SOCIA", "SES", "SEM", true},      {"S", "ASSOC", "COOPM", "SOM", true},
        {"S", "ASSOC", "AUTOG", "PATRS", false}, {"S", "ASSOC", "ADMIN", "SPP", false},
        {"C", "SOCIA", "COOPM", "SPP", false},
    };
    for (const auto &c : casos) {
        banco.sql(QStringLiteral("UPDATE CADASTRO SET CD_SOCI = '%1', CD_NATZ_JURD = '%2', CD_MODL = '%3', CD_SUBM = '%4' "
                                 "WHERE CD_OPER = '345678'")
                      .arg(QLatin1String(c.soci), QLatin1String(c.natureza), QLatin1String(c.modalidade),
                           QLatin1String(c.submodalidade)));
        EXPECT_EQ(!DespesasComercializacao::regraModalidade().dispensada(banco.db(), oper), c.preenche)
            << c.soci << " " << c.natureza << " " << c.modalidade << " " << c.submodalidade;
    }
}

TEST_F(DespesasComercializacaoTeste, DentalModalitiesAtTheQuarterEndShowOnlyDentalItems)
{
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, LG_ALTR_TRAM) VALUES "
                             "('345678', '2005-01-01', 0, 'MEGRP', 'N'), ('345678', '2007-04-15', 0, 'COOPO', 'N')"));
    EXPECT_FALSE(DespesasComercializacao::somenteOdonto(banco.db(), oper, QDate(2007, 1, 1)));
    EXPECT_TRUE(DespesasComercializacao::somenteOdonto(banco.db(), oper, QDate(2007, 4, 1)));
    EXPECT_FALSE(DespesasComercializacao::somenteOdonto(banco.db(), oper, QDate(2004, 10, 1))); // no registration yet
}
