// The validation run as a whole: what it writes to VALIDACAO, the sending gate it
// leaves, the clean-ups the modality calls for, and what a failed run leaves behind.

#include "validacao_apoio.h"

#include "app/ServicosOperadora.h"
#include "app/banco/Consulta.h"
#include "relatorios/ListaValidacao.h"
#include "validacao/AvisoPlanoContas.h"
#include "validacao/GravacaoConstatacoes.h"
#include "validacao/ValidacaoDados.h"

using namespace kelpa;
using namespace kelpa::validacao;
using namespace kelpa::teste;
using namespace kelpa::teste::validacao;

namespace {

ResultadoValidacao validar(const BancoTemporario &banco, const QString &cod = planos)
{
    ValidacaoDados validacao(banco.db(), cod, cod.toInt() > 30000);
    return validacao.executar();
}

int contar(const BancoTemporario &banco, const QString &sql)
{
    return banco.escalar(sql).toInt();
}

void quebrarTotalAtivo(const BancoTemporario &banco, const QString &trimestre, const QString &cod = planos)
{
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 1 WHERE CD_OPER = '%1' "
                             "AND DT_INIC_VIGN = '%2' AND CD_CONTA_REFERENCIA = '19000'")
                  .arg(cod, trimestre));
}

} // namespace

TEST(MotorValidacao, FindingsBefore2005AreNoticesThatLeaveSendingOpen)
{
    struct Caso {
        const char *trimestre;
        bool aviso;
    };
    for (const Caso &caso : {Caso{"2004-10-01", true}, Caso{"2005-01-01", false}}) {
        SCOPED_TRACE(caso.trimestre);
        BancoTemporario banco;
        operadoraCompleta(banco, planos);
        quebrarTotalAtivo(banco, QLatin1String(caso.trimestre));
        const ResultadoValidacao r = validar(banco);
        ASSERT_TRUE(r.concluida);
        ASSERT_EQ(r.constatacoes.size(), 1);
        EXPECT_EQ(r.avisos().size(), caso.aviso ? 1 : 0);
        EXPECT_EQ(r.erros().size(), caso.aviso ? 0 : 1);
        EXPECT_EQ(r.envioLiberado, caso.aviso);
        // The window's lists and the main window's gate read the same rows.
        EXPECT_EQ(relatorios::ListaValidacao::avisos(banco.db(), planos).size(), caso.aviso ? 1 : 0);
        EXPECT_EQ(relatorios::ListaValidacao::erros(banco.db(), planos).size(), caso.aviso ? 0 : 1);
        EXPECT_EQ(ServicosOperadora(banco.db(), planos).TransmissaoPermitida(), caso.aviso);
    }
}

TEST(MotorValidacao, RowsAreWrittenWithEmptyTextsAndFiveCharacterPeriods)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    quebrarTotalAtivo(banco, QStringLiteral("2006-04-01"));
    banco.sql(QStringLiteral("DELETE FROM DIRETORRELACOES"));
    const ResultadoValidacao r = validar(banco);
    ASSERT_EQ(r.constatacoes.size(), 2);
    EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM VALIDACAO")), 2);
    EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE DE_VLDC_QUAD_DOIS IS NULL "
                                           "OR DE_VLDC_TEXT_DOIS IS NULL OR DE_VLDC_ESTR_CAMP IS NULL "
                                           "OR DE_VLDC_JUST IS NULL OR DE_PERI IS NULL OR DE_VLDC_QUAD_UM IS NULL")),
              0);
    EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE DE_VLDC_QUAD_DOIS = '' "
                                           "AND DE_VLDC_TEXT_DOIS = '' AND DE_VLDC_ESTR_CAMP = '' AND DE_VLDC_JUST = '' "
                                           "AND VL_VLDC_VALO_UM = 0 AND VL_VLDC_VALO_DOIS = 0 AND TP_VLDC = '2' "
                                           "AND LG_ALTR_TRAM = 'N' AND CD_OPER = '345678'")),
              2);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(NR_VLDC_SEQL || ':' || DE_PERI, ',') FROM "
                                           "(SELECT * FROM VALIDACAO ORDER BY NR_VLDC_SEQL)"))
                  .toString(),
              QStringLiteral("1:20062,2:"));
}

TEST(MotorValidacao, ARunReplacesTheFindingsOfItsOperatorOnly)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    operadoraCompleta(banco, seguradora);
    quebrarTotalAtivo(banco, QStringLiteral("2007-01-01"));
    quebrarTotalAtivo(banco, QStringLiteral("2007-01-01"), seguradora);
    validar(banco, seguradora);
    // The chart-of-accounts notice's finding goes too: a run starts from nothing.
    AvisoPlanoContas::registrarBloqueio(banco.db(), planos);

    for (int vez = 0; vez < 2; ++vez) {
        const ResultadoValidacao r = validar(banco);
        ASSERT_EQ(r.constatacoes.size(), 1);
        EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(NR_VLDC_SEQL) FROM VALIDACAO WHERE CD_OPER = '345678'"))
                      .toString(),
                  QStringLiteral("1"));
    }
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 100004 WHERE CD_OPER = '345678' "
                             "AND DT_INIC_VIGN = '2007-01-01' AND CD_CONTA_REFERENCIA = '19000'"));
    const ResultadoValidacao corrigido = validar(banco);
    EXPECT_TRUE(corrigido.constatacoes.isEmpty());
    EXPECT_TRUE(corrigido.envioLiberado);
    EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE CD_OPER = '345678'")), 0);
    EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE CD_OPER = '012345'")), 1);
}

TEST(MotorValidacao, AFailedRunKeepsSendingClosedAndLeavesTheDataAsItWas)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    ASSERT_TRUE(validar(banco).envioLiberado);

    // A dental registration in force would clear the medical columns; then a table the
    // run reads half-way is missing.
    banco.sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ODGRP'"));
    banco.sql(QStringLiteral("DROP TABLE TB_IdadeSaldoValor"));
    int passos = 0;
    ValidacaoDados validacao(banco.db(), planos, true);
    validacao.setProgresso([&passos] { ++passos; });
    const ResultadoValidacao r = validacao.executar();

    EXPECT_FALSE(r.concluida);
    EXPECT_TRUE(r.erro.contains(QStringLiteral("TB_IdadeSaldoValor"))) << r.erro.toStdString();
    EXPECT_FALSE(r.envioLiberado);
    EXPECT_GT(passos, 1);
    ASSERT_EQ(r.constatacoes.size(), 1);
    EXPECT_TRUE(r.constatacoes.first().erro());
    EXPECT_FALSE(GravacaoConstatacoes::EnvioLiberado(banco.db(), planos));
    EXPECT_FALSE(ServicosOperadora(banco.db(), planos).TransmissaoPermitida());

    Consulta q(banco.db(), QStringLiteral("SELECT DE_VLDC_TEXT_UM, TP_VLDC, DE_PERI FROM VALIDACAO"));
    ASSERT_TRUE(q.primeira());
    EXPECT_EQ(q.texto(QStringLiteral("DE_VLDC_TEXT_UM")), GravacaoConstatacoes::MensagemNaoConcluida());
    EXPECT_EQ(q.texto(QStringLiteral("TP_VLDC")), QStringLiteral("2"));
    EXPECT_EQ(q.texto(QStringLiteral("DE_PERI")), QString());
    EXPECT_FALSE(q.proxima());
    // It is listed among the errors, so the window shows why sending is closed.
    ASSERT_EQ(relatorios::ListaValidacao::erros(banco.db(), planos).size(), 1);

    // The clean-up of the failed run was undone with it.
    EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM RECEITASDESPESASUF WHERE VL_RECT_PRE IS NOT NULL")), 12);
}

TEST(MotorValidacao, AnOperatorWithoutQuartersGetsOnlyRegistrationFindings)
{
    BancoTemporario banco;
    cadastrar(banco, planos);
    banco.sql(QStringLiteral("DELETE FROM DIRETORRELACOES"));
    EXPECT_TRUE(validar(banco).constatacoes.isEmpty()) << "without quarters from 2005 nothing is required";

    banco.sql(QStringLiteral("UPDATE DADOSPESSOAS SET CD_REG_ATUACAO = NULL"));
    const ResultadoValidacao r = validar(banco);
    ASSERT_EQ(r.constatacoes.size(), 1);
    EXPECT_EQ(r.constatacoes.first().regra, QStringLiteral("V17"));
}

TEST(MotorValidacao, PatronizedSelfManagementIsCheckedForItsRepresentativeOnly)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos, QStringLiteral("AUTOG"), QStringLiteral("PATRM"));
    quebrarTotalAtivo(banco, QStringLiteral("2006-04-01"));
    banco.sql(QStringLiteral("UPDATE DADOSPESSOAS SET CD_REG_ATUACAO = 0"));
    banco.sql(QStringLiteral("DELETE FROM ADMINISTRADORES"));
    banco.sql(QStringLiteral("DELETE FROM DIRETORRELACOES"));
    const ResultadoValidacao r = validar(banco);
    ASSERT_EQ(r.constatacoes.size(), 1);
    EXPECT_EQ(r.constatacoes.first().regra, QStringLiteral("V19"));
}

TEST(MotorValidacao, DentalOperatorsLoseTheMedicalColumnsByTheRegistrationInForce)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    // Dental from 2006 on; the newest quarter follows the newest registration, even a later one.
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2006-01-01', 0, 'ODGRP', 'SOP', 'N'), "
                             "('345678', '2007-01-01', 0, 'MEGRP', 'SPP', 'N'), "
                             "('345678', '2009-01-01', 0, 'COOPO', 'SOP', 'N')"));
    validar(banco);
    const QString semMedicas = banco.escalar(QStringLiteral(
        "SELECT GROUP_CONCAT(DISTINCT DT_INIC_VIGN) FROM (SELECT DT_INIC_VIGN FROM RECEITASDESPESASUF "
        "WHERE VL_RECT_PRE IS NULL AND VL_RECT_OUTR IS NULL AND VL_DESP_MEDC_PRE IS NULL AND VL_DESP_MEDC_OUTR IS NULL "
        "ORDER BY DT_INIC_VIGN)")).toString();
    EXPECT_EQ(semMedicas, QStringLiteral("2006-01-01,2006-04-01,2008-01-01"));
    // Dental columns stay.
    EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM RECEITASDESPESASUF WHERE VL_RECT_OUTR_ODON = 50")), 6);
}

TEST(MotorValidacao, AdministratorsAndSelfManagementLoseRevenueAndExpenseRows)
{
    struct Caso {
        const char *modalidade;
        const char *submodalidade;
        bool excluidas;
    };
    const Caso casos[] = {{"ADMIN", "ADMPL", true}, {"AUTOG", "MANTI", true}, {"AUTOG", "NPATR", false},
                          {"MEGRP", "SPP", false}};
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.modalidade + std::string(" ") + c.submodalidade);
        BancoTemporario banco;
        operadoraCompleta(banco, planos, QLatin1String(c.modalidade), QLatin1String(c.submodalidade));
        operadoraCompleta(banco, seguradora);
        banco.sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ADMIN' WHERE CD_OPER = '012345'"));
        validar(banco);
        EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM RECEITASDESPESASUF WHERE CD_OPER = '345678'")),
                  c.excluidas ? 0 : 12);
        EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM DESPESAS_COMERC_VALOR WHERE CD_OPER = '345678'")),
                  c.excluidas ? 0 : 18);
        // Only the validated operator is cleaned.
        EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM RECEITASDESPESASUF WHERE CD_OPER = '012345'")), 12);
    }
}

TEST(MotorValidacao, EveryPulverizedShareholdingPeriodLosesItsShareholders)
{
    BancoTemporario banco;
    cadastrar(banco, planos);
    for (const char *linha : {"('345678', '2003-01-01', 'T')", "('345678', '2005-01-01', 'F')",
                              "('345678', '2006-01-01', 'T')", "('012345', '2006-01-01', 'T')"})
        banco.sql(QStringLiteral("INSERT INTO QUADROPARTICIPACOES (CD_OPER, DT_INIC_VIGN, LG_PULV) VALUES %1")
                      .arg(QLatin1String(linha)));
    for (const char *linha : {"('345678', '2003-01-01', 1)", "('345678', '2005-01-01', 1)", "('345678', '2005-01-01', 2)",
                              "('345678', '2006-01-01', 1)", "('012345', '2006-01-01', 1)"})
        banco.sql(QStringLiteral("INSERT INTO PARTICIPACOES (CD_OPER, DT_INIC_VIGN, NR_SEQL_PART) VALUES %1")
                      .arg(QLatin1String(linha)));
    ASSERT_TRUE(validar(banco).concluida);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(CD_OPER || ' ' || DT_INIC_VIGN, ', ') FROM "
                                           "(SELECT * FROM PARTICIPACOES ORDER BY CD_OPER, DT_INIC_VIGN)"))
                  .toString(),
              QStringLiteral("012345 2006-01-01, 345678 2005-01-01, 345678 2005-01-01"));
}

TEST(MotorValidacao, ChartOfAccountsNoticeRecordsOneBlockingFinding)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    banco.sql(QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, TP_VLDC, DE_PERI) VALUES "
                             "('345678', 1, '2', '20044'), ('012345', 1, '2', '20061')"));
    AvisoPlanoContas::registrarBloqueio(banco.db(), planos);
    AvisoPlanoContas::registrarBloqueio(banco.db(), planos);
    Consulta q(banco.db(), QStringLiteral("SELECT * FROM VALIDACAO WHERE CD_OPER = '345678'"));
    ASSERT_TRUE(q.primeira());
    EXPECT_EQ(q.inteiro(QStringLiteral("NR_VLDC_SEQL")), 99999);
    EXPECT_EQ(q.texto(QStringLiteral("DE_VLDC_QUAD_UM")), QStringLiteral("-1"));
    EXPECT_EQ(q.texto(QStringLiteral("DE_VLDC_TEXT_UM")), QStringLiteral("Plano de Contas 2006 Erro"));
    EXPECT_EQ(q.texto(QStringLiteral("DE_VLDC_QUAD_DOIS")), QStringLiteral("0"));
    EXPECT_EQ(q.texto(QStringLiteral("TP_VLDC")), QStringLiteral("1"));
    EXPECT_FALSE(q.nulo(QStringLiteral("DE_PERI")));
    EXPECT_EQ(q.texto(QStringLiteral("DE_PERI")), QString());
    EXPECT_FALSE(q.proxima());
    EXPECT_FALSE(ServicosOperadora(banco.db(), planos).TransmissaoPermitida());
    // Not listed: the window lists findings of the rules only.
    EXPECT_TRUE(relatorios::ListaValidacao::erros(banco.db(), planos).isEmpty());
    EXPECT_EQ(contar(banco, QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE CD_OPER = '012345'")), 1);
}

TEST(MotorValidacao, ChartOfAccountsNoticeText)
{
    const QStringList linhas = AvisoPlanoContas::texto().split(QStringLiteral("\n\r"));
    ASSERT_EQ(linhas.size(), 11);
    EXPECT_EQ(linhas.at(0), QStringLiteral(" Foi detectado pelo sistema, que o 1º Trimestre de 2007 (Quadros 11:ATIVO, "
                                           "12:PASSIVO E 13:DRE), "));
    EXPECT_EQ(linhas.at(4), QString(31, u' '));
    EXPECT_EQ(linhas.at(6), QStringLiteral("   b) Escolha a opção \"Exclui último período\"; "));
    EXPECT_EQ(linhas.at(9), QString(60, u' '));
    EXPECT_EQ(linhas.at(10), QStringLiteral(" A partir deste momento, as novas contas de ATIVO, PASSIVO e DRE estarão "
                                            "disponíveis para lançamentos. "));
}
