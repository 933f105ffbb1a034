// Quadro 2: first period, period rules, responsible persons and the transmission state.

#include "apoio/BancoTemporario.h"
#include "cadastro_apoio.h"

#include "app/banco/ErroBanco.h"
#include "quadros/cadastro/CadastroPessoas.h"
#include "quadros/cadastro/DadosBasicos.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::contaLinhas;

namespace {
const QString kOper = QStringLiteral("345678");

ResponsavelBasico nenhum(int tipo)
{
    ResponsavelBasico r;
    r.tipo = tipo;
    return r;
}

class DadosBasicosTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        kelpa::teste::registraOperadora(banco, kOper);
        CadastroPessoas pessoas(banco.db(), kOper);
        for (const auto &[nome, cpf] : {std::pair{"CONTADORA", "31854027662"}, std::pair{"ATUARIO", "52791360425"},
                                        std::pair{"AUDITORA", "64028719313"}}) {
            DadosPessoa d;
            d.nome = QString::fromLatin1(nome);
            d.documento = QString::fromLatin1(cpf);
            ids << pessoas.Inclui(d);
        }
        banco.sql("INSERT INTO DADOSBASICOS (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) VALUES ('345678', '2001-01-01', 'N')");
    }
    PeriodoDadosBasicos completo(const QDate &periodo)
    {
        PeriodoDadosBasicos d = basicos.Carrega(periodo);
        for (int tipo = 1; tipo <= 3; ++tipo) {
            d.responsavel(tipo).idPsoa = ids.at(tipo - 1);
            d.responsavel(tipo).nome = QStringLiteral("X");
            d.responsavel(tipo).registro = QStringLiteral("REG-%1").arg(tipo);
        }
        return d;
    }
    QString estado(const char *data, int tipo)
    {
        return banco.escalar(QStringLiteral("SELECT LG_ALTR_TRAM FROM RESPONSAVEIS WHERE DT_INIC_VIGN = '%1' AND ID_RPSV = %2")
                                 .arg(QLatin1String(data))
                                 .arg(tipo))
            .toString();
    }
    BancoTemporario banco;
    DadosBasicos basicos{banco.db(), kOper};
    QList<int> ids;
};
} // namespace

TEST(DadosBasicosPeriodos, FirstPeriodFollowsTheRegistrationNotBefore2001)
{
    const struct {
        const char *cadastro; // nullptr: no registration
        QList<QDate> periodos;
    } casos[] = {
        {"1999-05-01", {QDate(2001, 1, 1)}},
        {"2003-04-10", {QDate(2003, 4, 10)}},
        {nullptr, {}},
    };
    for (const auto &c : casos) {
        BancoTemporario banco;
        if (c.cadastro)
            banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '%1', 0)").arg(QLatin1String(c.cadastro)));
        DadosBasicos basicos(banco.db(), kOper);
        EXPECT_EQ(basicos.Periodos(), c.periodos) << (c.cadastro ? c.cadastro : "none");
        EXPECT_EQ(basicos.Periodos(), c.periodos);
        if (c.cadastro) {
            EXPECT_EQ(banco.escalar("SELECT LG_ALTR_TRAM || VL_CAPT_PPIO FROM DADOSBASICOS").toString(), QStringLiteral("N0.0"));
        }
    }
}

TEST(DadosBasicosPeriodos, WhatEachPeriodAsks)
{
    EXPECT_TRUE(DadosBasicos::MostraFundacao(QDate(2004, 12, 31)));
    EXPECT_FALSE(DadosBasicos::MostraFundacao(QDate(2005, 1, 1)));
    EXPECT_TRUE(DadosBasicos::MostraAtuaria(QDate(2004, 12, 31), QStringLiteral("ADMIN")));
    EXPECT_FALSE(DadosBasicos::MostraAtuaria(QDate(2005, 1, 1), QStringLiteral("ADMIN")));
    EXPECT_TRUE(DadosBasicos::MostraAtuaria(QDate(2005, 1, 1), QStringLiteral("MEGRP")));
    EXPECT_FALSE(DadosBasicos::Dispensada(QDate(2006, 1, 1), QStringLiteral("AUTOG"), QStringLiteral("NPATR")));
    EXPECT_TRUE(DadosBasicos::Dispensada(QDate(2006, 1, 1), QStringLiteral("AUTOG"), QStringLiteral("PATRS")));
    EXPECT_FALSE(DadosBasicos::Dispensada(QDate(2004, 1, 1), QStringLiteral("AUTOG"), QStringLiteral("PATRS")));
    EXPECT_FALSE(DadosBasicos::Dispensada(QDate(2006, 1, 1), QStringLiteral("MEGRP"), QStringLiteral("SPP")));
}

TEST_F(DadosBasicosTeste, RequiredResponsiblesAreAccountingAndAudit)
{
    PeriodoDadosBasicos d = basicos.Carrega(QDate(2001, 1, 1));
    EXPECT_EQ(DadosBasicos::ItensFaltantes(d), (QStringList{">> Responsável Contabilidade", ">> Registro Responsável Contabilidade",
                                                           ">> Responsável Auditoria", ">> Registro Responsável Auditoria"}));
    d = completo(QDate(2001, 1, 1));
    d.responsavel(2) = nenhum(2);
    EXPECT_TRUE(DadosBasicos::ItensFaltantes(d).isEmpty());
    d.responsavel(3).registro = QStringLiteral("  ");
    EXPECT_EQ(DadosBasicos::ItensFaltantes(d), QStringList{">> Registro Responsável Auditoria"});
}

TEST_F(DadosBasicosTeste, SavingWritesOnlyWhatChangedAndMarksTransmittedRowsAsChanged)
{
    PeriodoDadosBasicos d = completo(QDate(2001, 1, 1));
    d.fundacao = QDate(1990, 2, 3);
    d.funcionarios = 120;
    basicos.Grava(d);
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "LG_ALTR_TRAM = 'N'"), 3);
    d = basicos.Carrega(QDate(2001, 1, 1));
    EXPECT_EQ(d.fundacao, QDate(1990, 2, 3));
    EXPECT_EQ(d.funcionarios, 120);
    EXPECT_EQ(d.responsavel(1).nome, QStringLiteral("CONTADORA"));
    EXPECT_EQ(d.responsavel(3).registro, QStringLiteral("REG-3"));

    banco.sql("UPDATE RESPONSAVEIS SET LG_ALTR_TRAM = 'T'");
    banco.sql("UPDATE DADOSBASICOS SET LG_ALTR_TRAM = 'T'");
    d = basicos.Carrega(QDate(2001, 1, 1));
    d.responsavel(1).registro = QStringLiteral("SP-999/O-1");
    basicos.Grava(d);
    EXPECT_EQ(estado("2001-01-01", 1), QStringLiteral("A"));
    EXPECT_EQ(estado("2001-01-01", 3), QStringLiteral("T")); // unchanged: still as transmitted
    EXPECT_EQ(banco.escalar("SELECT LG_ALTR_TRAM FROM DADOSBASICOS").toString(), QStringLiteral("T"));
    d.funcionarios = 121;
    basicos.Grava(d);
    EXPECT_EQ(banco.escalar("SELECT LG_ALTR_TRAM || QT_FUNC FROM DADOSBASICOS").toString(), QStringLiteral("A121"));
}

TEST_F(DadosBasicosTeste, ATransmittedResponsibleCannotBeTakenOut)
{
    basicos.Grava(completo(QDate(2001, 1, 1)));
    banco.sql("UPDATE RESPONSAVEIS SET LG_ALTR_TRAM = 'T' WHERE ID_RPSV = 3");
    PeriodoDadosBasicos d = basicos.Carrega(QDate(2001, 1, 1));
    EXPECT_TRUE(DadosBasicos::PodeRetirar(d.responsavel(2)));
    EXPECT_FALSE(DadosBasicos::PodeRetirar(d.responsavel(3)));
    EXPECT_TRUE(DadosBasicos::PodeRetirar(nenhum(2)));

    d.responsavel(2).idPsoa = -1;
    d.responsavel(3).idPsoa = -1;
    EXPECT_THROW(basicos.Grava(d), ErroBanco);
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "1 = 1"), 3); // nothing taken out
    d.responsavel(3) = basicos.Carrega(QDate(2001, 1, 1)).responsavel(3);
    basicos.Grava(d);
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "ID_RPSV = 2"), 0);
}

TEST_F(DadosBasicosTeste, AdministratorsLoseTheActuaryFrom2005)
{
    basicos.Grava(completo(QDate(2001, 1, 1)));
    ASSERT_TRUE(basicos.CopiaPeriodo(QDate(2005, 1, 1)));
    ASSERT_TRUE(basicos.CopiaPeriodo(QDate(2006, 3, 1)));
    banco.sql("UPDATE RESPONSAVEIS SET LG_ALTR_TRAM = 'T' WHERE DT_INIC_VIGN = '2006-03-01'");
    EXPECT_EQ(basicos.RemoveAtuariaAdministradora(QStringLiteral("MEGRP")), 0);
    EXPECT_EQ(basicos.RemoveAtuariaAdministradora(QStringLiteral("ADMIN")), 2);
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "ID_RPSV = 2"), 1);
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "ID_RPSV = 2 AND DT_INIC_VIGN = '2001-01-01'"), 1);
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "ID_RPSV <> 2"), 6);
}

TEST_F(DadosBasicosTeste, CopyAndDeleteOfPeriods)
{
    PeriodoDadosBasicos d = completo(QDate(2001, 1, 1));
    d.fundacao = QDate(1990, 2, 3);
    d.funcionarios = 50;
    d.capitalProprio = 1000.5;
    basicos.Grava(d);
    banco.sql("UPDATE RESPONSAVEIS SET LG_ALTR_TRAM = 'T'");
    banco.sql("UPDATE DADOSBASICOS SET LG_ALTR_TRAM = 'T'");

    EXPECT_FALSE(basicos.IncluiPeriodo(QDate(2001, 1, 1)));
    EXPECT_FALSE(basicos.CopiaPeriodo(QDate(2001, 1, 1)));
    ASSERT_TRUE(basicos.CopiaPeriodo(QDate(2004, 6, 1)));
    const PeriodoDadosBasicos copia = basicos.Carrega(QDate(2004, 6, 1));
    EXPECT_EQ(copia.fundacao, QDate(1990, 2, 3));
    EXPECT_EQ(copia.funcionarios, 50);
    EXPECT_DOUBLE_EQ(copia.capitalProprio, 1000.5);
    EXPECT_EQ(copia.estadoTransmissao, QStringLiteral("N"));
    for (int tipo = 1; tipo <= 3; ++tipo) {
        EXPECT_EQ(copia.responsavel(tipo).idPsoa, ids.at(tipo - 1));
        EXPECT_EQ(copia.responsavel(tipo).estadoTransmissao, QStringLiteral("N"));
    }
    EXPECT_EQ(basicos.Periodos(), (QList<QDate>{QDate(2004, 6, 1), QDate(2001, 1, 1)}));

    // A period whose rows were never transmitted goes; one with a transmitted row stays with that row.
    EXPECT_TRUE(basicos.ExcluiPeriodo(QDate(2004, 6, 1)));
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "DT_INIC_VIGN = '2004-06-01'"), 0);
    EXPECT_FALSE(basicos.ExcluiPeriodo(QDate(2001, 1, 1)));
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "DT_INIC_VIGN = '2001-01-01'"), 3);
    EXPECT_EQ(contaLinhas(banco, "DADOSBASICOS", "DT_INIC_VIGN = '2001-01-01'"), 1);

    ASSERT_TRUE(basicos.IncluiPeriodo(QDate(2007, 1, 1)));
    ASSERT_TRUE(basicos.CopiaPeriodo(QDate(2007, 2, 1)));
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "DT_INIC_VIGN = '2007-02-01'"), 0); // copied from the empty 2007 period
}

TEST_F(DadosBasicosTeste, AFailedSaveLeavesTheDatabaseAsItWas)
{
    basicos.Grava(completo(QDate(2001, 1, 1)));
    banco.sql("CREATE TRIGGER recusa BEFORE UPDATE ON RESPONSAVEIS BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
    PeriodoDadosBasicos d = basicos.Carrega(QDate(2001, 1, 1));
    d.funcionarios = 77;
    d.responsavel(1).registro = QStringLiteral("NOVO");
    EXPECT_THROW(basicos.Grava(d), ErroBanco);
    const PeriodoDadosBasicos depois = basicos.Carrega(QDate(2001, 1, 1));
    EXPECT_FALSE(depois.funcionarios.has_value());
    EXPECT_EQ(depois.responsavel(1).registro, QStringLiteral("REG-1"));
}
