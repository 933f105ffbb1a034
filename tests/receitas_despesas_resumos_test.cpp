// Quadros 9A and 8A without a window: amounts of the quarter's header row kept until
// they are written, the shares and totals computed from them, the transmission state
// of a written row, and the operators that fill them.

#include "demonstracoes_apoio.h"
#include "apoio/BancoTemporario.h"

#include "quadros/demonstracoes/RegrasModalidade.h"
#include "quadros/receitas_despesas/ReceitasSus.h"
#include "quadros/receitas_despesas/ResumoEventosLiquidos.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using R = ResumoEventosLiquidos;

namespace {

const QString oper = QStringLiteral("345678");
const QDate trimestre(2006, 4, 1);

class ResumosTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) "
                                 "VALUES ('345678', '2006-04-01', 'N')"));
    }
    QString cabecalho(const QString &colunas) const
    {
        return banco.escalar(QStringLiteral("SELECT %1 FROM QUADRORECEITASDESPESASUF WHERE DT_INIC_VIGN = '2006-04-01'").arg(colunas))
            .toString();
    }
    BancoTemporario banco;
};

} // namespace

TEST_F(ResumosTeste, SummaryAmountsStayUntilWrittenAndTheirSharesFollow)
{
    R resumo(banco.db(), oper, trimestre);
    ASSERT_TRUE(resumo.ler());
    EXPECT_FALSE(resumo.valor(R::HospitalarTotal).has_value());
    EXPECT_TRUE(resumo.informarDigitado(R::HospitalarPropria, QStringLiteral("25.000,00")));
    EXPECT_TRUE(resumo.informarDigitado(R::HospitalarTotal, QStringLiteral("100.000")));
    EXPECT_TRUE(resumo.informarDigitado(R::MedicaTotal, QStringLiteral("50,999")));
    EXPECT_TRUE(resumo.informarDigitado(R::OdontoTotal, QStringLiteral("10")));
    EXPECT_FALSE(resumo.informarDigitado(R::OdontoTotal, QStringLiteral("10,001"))); // the same in cents: unchanged
    // Nothing written yet.
    EXPECT_EQ(cabecalho(QStringLiteral("COALESCE(VL_DESP_HOSP_TOT, 'n')")), QStringLiteral("n"));

    EXPECT_EQ(ValoresCabecalhoTrimestre::textoPercentual(resumo.percentual(R::HospitalarTotal)), QStringLiteral("25,00 %"));
    EXPECT_EQ(resumo.percentual(R::MedicaTotal), 0.0); // no own network: 0
    EXPECT_EQ(resumo.totalMedicoHospitalar().texto(), QStringLiteral("100.050,99"));
    EXPECT_EQ(resumo.totalGeral().texto(), QStringLiteral("100.060,99"));

    resumo.gravar();
    EXPECT_EQ(cabecalho(QStringLiteral("VL_DESP_HOSP_PROP || ' ' || VL_DESP_HOSP_TOT || ' ' || VL_DESP_MED_TOT || ' ' || "
                                       "COALESCE(VL_DESP_MED_PROP, 'n') || ' ' || LG_ALTR_TRAM")),
              QStringLiteral("25000.0 100000.0 50.99 n N"));
    EXPECT_FALSE(resumo.alterado());
}

TEST_F(ResumosTeste, ASharesTotalOfZeroShowsZero)
{
    const struct {
        const char *parte, *total, *texto;
    } casos[] = {
        {"1.500,00", "6.000,00", "25,00 %"}, {"1.500,00", "0", "0,00 %"}, {"", "6.000,00", "0,00 %"},
        {"1", "3", "33,33 %"},               {"-50", "200", "-25,00 %"},
    };
    for (const auto &c : casos) {
        ReceitasSus sus(banco.db(), oper, trimestre);
        sus.ler();
        if (*c.parte)
            sus.informarDigitado(ReceitasSus::ReceitasDoSus, QString::fromUtf8(c.parte));
        sus.informarDigitado(ReceitasSus::TotalDeReceitas, QString::fromUtf8(c.total));
        EXPECT_EQ(ValoresCabecalhoTrimestre::textoPercentual(sus.participacao()), QString::fromUtf8(c.texto)) << c.parte << "/" << c.total;
    }
}

TEST_F(ResumosTeste, AWrittenRowFollowsTheTransmissionRuleAndAnUnchangedOneIsNotWritten)
{
    const struct {
        const char *antes, *depois;
    } casos[] = {{"T", "A"}, {"A", "A"}, {"N", "N"}};
    for (const auto &c : casos) {
        banco.sql(QStringLiteral("UPDATE QUADRORECEITASDESPESASUF SET LG_ALTR_TRAM = '%1', VL_RECT_SUS = 1").arg(QLatin1String(c.antes)));
        ReceitasSus sus(banco.db(), oper, trimestre);
        sus.ler();
        sus.informarDigitado(ReceitasSus::ReceitasDoSus, QStringLiteral("1,00"));
        sus.gravar(); // unchanged: nothing written
        EXPECT_EQ(cabecalho(QStringLiteral("LG_ALTR_TRAM")), QLatin1String(c.antes));
        sus.informarDigitado(ReceitasSus::ReceitasDoSus, QStringLiteral("2"));
        sus.gravar();
        EXPECT_EQ(cabecalho(QStringLiteral("VL_RECT_SUS || LG_ALTR_TRAM")), QStringLiteral("2.0") + QLatin1String(c.depois));
    }
    // A quarter without its header row has nothing to read or write.
    ReceitasSus semCabecalho(banco.db(), oper, QDate(2006, 7, 1));
    EXPECT_FALSE(semCabecalho.ler());
    semCabecalho.informarDigitado(ReceitasSus::ReceitasDoSus, QStringLiteral("5"));
    semCabecalho.gravar();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM QUADRORECEITASDESPESASUF")).toInt(), 1);
}

TEST_F(ResumosTeste, TheOperatorsThatFillQuadros9AAnd8A)
{
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, LG_ALTR_TRAM) VALUES ('345678', '2005-01-01', 0, 'N')"));
    const struct {
        const char *soci, *natureza, *modalidade, *submodalidade;
        bool preenche;
        const char *aviso8A;
    } casos[] = {
        {"C", "SOCIA", "MEGRP", "SPP", true, ""},
        {"C", "SOCIA", "ODGRP", "SOM", true, ""},
        {"C", "SOCIA", "MEGRP", "SEM", false, "Este quadro não está disponível para a \rNatureza Jurídica escolhida."},
        {"C", "SOCIA", "SES", "SPP", false, "Este quadro não está disponível para a \rNatureza Jurídica escolhida."},
        {"S", "SCOOP", "COOPM", "SOM", true, ""},
        {"S", "ASSOC", "AUTOG", "NPATR", true, ""},
        {"C", "SCIVL", "COOPM", "SPP", false, "Este quadro não está disponível para a \rNatureza Jurídica escolhida."},
        {"C", "EMPUB", "ADMIN", "ADMPL", false, "As Administradoras de Planos estão\rdispensadas de preencher este quadro."},
        {"S", "ASSOC", "AUTOG", "PATRS", false,
         "As Autogestões Patrocinadas, tanto singular\rquanto multipatrocinadas, estão dispensadas\rde preencher este quadro."},
    };
    for (const auto &c : casos) {
        banco.sql(QStringLiteral("UPDATE CADASTRO SET CD_SOCI = '%1', CD_NATZ_JURD = '%2', CD_MODL = '%3', CD_SUBM = '%4' "
                                 "WHERE CD_OPER = '345678'")
                      .arg(QLatin1String(c.soci), QLatin1String(c.natureza), QLatin1String(c.modalidade),
                           QLatin1String(c.submodalidade)));
        EXPECT_EQ(!ValoresCabecalhoTrimestre::regraModalidade().dispensada(banco.db(), oper), c.preenche)
            << c.soci << " " << c.natureza << " " << c.modalidade << " " << c.submodalidade;
        if (!c.preenche) {
            EXPECT_EQ(ReceitasSus::avisoNaoPreenche(QLatin1String(c.modalidade)), QString::fromUtf8(c.aviso8A));
        }
    }
}

TEST_F(ResumosTeste, WhatThePrintingSelectorCountsAsEmpty)
{
    const struct {
        const char *sus, *total;
        bool vazio;
    } casos[] = {
        {"0,40", "0,30", true}, // both become 0 as whole reais
        {"0,50", "0", true},    // a half goes to the even neighbour, 0
        {"1,50", "0", false},   // and here to 2
        {"0", "0,51", false},
    };
    for (const auto &c : casos) {
        ReceitasSus sus(banco.db(), oper, trimestre);
        sus.ler();
        sus.informarDigitado(ReceitasSus::ReceitasDoSus, QString::fromUtf8(c.sus));
        sus.informarDigitado(ReceitasSus::TotalDeReceitas, QString::fromUtf8(c.total));
        EXPECT_EQ(sus.semValoresInteiros({ReceitasSus::ReceitasDoSus, ReceitasSus::TotalDeReceitas}), c.vazio) << c.sus;
    }
}
