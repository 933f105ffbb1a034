// The nineteen validation rules: a clean operator gives no finding, and each defect
// gives exactly the finding its rule describes (quadro, text, period).

#include "validacao_apoio.h"

#include "app/banco/Consulta.h"
#include "validacao/Constatacao.h"
#include "validacao/RegrasCadastro.h"
#include "validacao/RegrasIdadeSaldo.h"
#include "validacao/RegrasResultado.h"
#include "validacao/RegrasValidacao.h"
#include "validacao/ValidacaoDados.h"

using namespace kelpa;
using namespace kelpa::validacao;
using namespace kelpa::teste;
using namespace kelpa::teste::validacao;

namespace {

QString descrever(const QList<Constatacao> &lista)
{
    QStringList linhas;
    for (const Constatacao &c : lista)
        linhas << QStringLiteral("%1 [%2] %3 %4").arg(c.regra, c.quadro, c.dePeri(), c.mensagem.left(70));
    return linhas.join(u'\n');
}

const QString kPorFavor = QStringLiteral("\rPor favor, atualize o quadro para que os dados possam ser transmitidos à QOR.");

struct Defeito {
    const char *nome;
    const char *operadora; // "planos" or "seguradora"
    const char *sql;       // %1 is the operator code
    const char *regra;
    const char *quadro;
    const char *periodo;
    QString mensagem;
};

QString mensagemV1(bool planos)
{
    return RegraQuadroContraResultado(RegraQuadroContraResultado::Contraprestacoes).mensagem(planos);
}

QString mensagemIdades(const char *regra, int ano, bool planos)
{
    for (const RegraContasIdadeSaldo::Definicao &def : RegraContasIdadeSaldo::definicoes())
        if (QLatin1String(def.codigo) == QLatin1String(regra)) {
            if (ano == 2006)
                return def.mensagem2006;
            return !planos && !def.mensagem2007Seguradora.isEmpty() ? def.mensagem2007Seguradora : def.mensagem2007;
        }
    return {};
}

// One defect a row. Amounts differ by a cent unless the rule compares to the ten-thousandth.
QList<Defeito> defeitos()
{
    return {
        {"V1 year-to-date revenue of the 2nd quarter", "planos",
         "UPDATE RECEITASDESPESASUF SET VL_RECT_OUTR = VL_RECT_OUTR + 0.01 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-04-01' AND CD_UF = 'SP'",
         "V1", "08", "20062", mensagemV1(true)},
        {"V1 insurer wording", "seguradora",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = VL_CONTA_REFERENCIA + 1 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_CONTA_REFERENCIA = '31001'",
         "V1", "08", "20071", mensagemV1(false)},
        {"V2 events of 2007", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = VL_CONTA_REFERENCIA - 0.01 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_CONTA_REFERENCIA = '32002'",
         "V2", "09", "20071", RegraQuadroContraResultado(RegraQuadroContraResultado::Eventos).mensagem(true)},
        {"V2 insurer wording, events of 2005", "seguradora",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = VL_CONTA_REFERENCIA + 0.01 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2005-01-01' AND CD_CONTA_REFERENCIA = '30460'",
         "V2", "09", "20051", RegraQuadroContraResultado(RegraQuadroContraResultado::Eventos).mensagem(false)},
        {"V3 selling expenses of 2008", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = -1 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2008-01-01' AND CD_CONTA_REFERENCIA = '34001'",
         "V3", "10", "20081", RegraQuadroContraResultado(RegraQuadroContraResultado::DespesasComercializacao).mensagem(true)},
        {"V4 assets differ from liabilities", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = VL_CONTA_REFERENCIA + 0.01 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-04-01' AND CD_CONTA_REFERENCIA = '29000'",
         "V4", "11", "20062", QStringLiteral("O Total do ATIVO (Quadro 11) está DIFERENTE do Total do PASSIVO (Quadro 12)")},
        {"V4 a 2004 quarter gives a notice", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 1 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2004-10-01' AND CD_CONTA_REFERENCIA = '19000'",
         "V4", "11", "20044", QStringLiteral("O Total do ATIVO (Quadro 11) está DIFERENTE do Total do PASSIVO (Quadro 12)")},
        {"V5 compensation", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = VL_CONTA_REFERENCIA + 0.004 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_CONTA_REFERENCIA = '29100'",
         "V5", "11", "20071",
         QStringLiteral("O Valor da compensação do ATIVO (Quadro 11) está DIFERENTE do valor da compensação do PASSIVO (Quadro 12)")},
        {"V6 receivables 2006", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 600.01 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-04-01' AND CD_CONTA_REFERENCIA = '10810'",
         "V6", "11", "20062", mensagemIdades("V6", 2006, true)},
        {"V6 receivables 2007, a bucket of the third column", "planos",
         "UPDATE TB_IdadeSaldoValor SET VL_CONTA_IDADE_SALDO = 2 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_IDADE_SALDO = '21'",
         "V6", "11", "20071", mensagemIdades("V6", 2007, true)},
        {"V7 2006", "planos",
         "UPDATE TB_IdadeSaldoValor SET VL_CONTA_IDADE_SALDO = 0.5 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-01-01' AND CD_IDADE_SALDO = '28'",
         "V7", "11", "20061", mensagemIdades("V7", 2006, true)},
        {"V7 2007", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 16 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_CONTA_REFERENCIA = '123510'",
         "V7", "11", "20071", mensagemIdades("V7", 2007, true)},
        {"V8 2006", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 10.01 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-04-01' AND CD_CONTA_REFERENCIA = '10924'",
         "V8", "11", "20062", mensagemIdades("V8", 2006, true)},
        {"V8 2007 co-insurers", "planos",
         "DELETE FROM PLANOCONTASVALOR WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '2007-01-01' "
         "AND CD_CONTA_REFERENCIA = '123741'",
         "V8", "11", "20071", mensagemIdades("V8", 2007, true)},
        {"V9 2006", "planos",
         "UPDATE TB_IdadeSaldoValor SET VL_CONTA_IDADE_SALDO = 0 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-01-01' AND CD_IDADE_SALDO = '42'",
         "V9", "11", "20061", mensagemIdades("V9", 2006, true)},
        {"V9 2007", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 15.5 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_CONTA_REFERENCIA = '12416'",
         "V9", "11", "20071", mensagemIdades("V9", 2007, true)},
        {"V10 2006", "planos",
         "UPDATE TB_IdadeSaldoValor SET VL_CONTA_IDADE_SALDO = 3 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-04-01' AND CD_IDADE_SALDO = '56'",
         "V10", "12", "20062", mensagemIdades("V10", 2006, true)},
        {"V10 2007 plan operator", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 699 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_CONTA_REFERENCIA = '21200'",
         "V10", "12", "20071", mensagemIdades("V10", 2007, true)},
        {"V10 2007 insurer", "seguradora",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 699 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_CONTA_REFERENCIA = '21107'",
         "V10", "12", "20071", mensagemIdades("V10", 2007, false)},
        {"V11 2007", "planos",
         "UPDATE TB_IdadeSaldoValor SET VL_CONTA_IDADE_SALDO = 79.99 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2007-01-01' AND CD_IDADE_SALDO = '57'",
         "V11", "12", "20071", mensagemIdades("V11", 2007, true)},
        {"V12 2006", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 0 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-01-01' AND CD_CONTA_REFERENCIA = '21000'",
         "V12", "12", "20061", mensagemIdades("V12", 2006, true)},
        {"V13 2006", "planos",
         "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 111 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2006-04-01' AND CD_CONTA_REFERENCIA = '21100'",
         "V13", "12", "20062", mensagemIdades("V13", 2006, true)},
        {"V13 2007", "planos",
         "DELETE FROM PLANOCONTASVALOR WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '2007-01-01' "
         "AND CD_CONTA_REFERENCIA = '21400'",
         "V13", "12", "20071", mensagemIdades("V13", 2007, true)},
        {"V14 summary of events", "planos",
         "UPDATE QUADRORECEITASDESPESASUF SET VL_DESP_ODON_TOT = 40.0001 WHERE CD_OPER = '%1' "
         "AND DT_INIC_VIGN = '2005-01-01'",
         "V14", "09", "20051",
         QStringLiteral("O Total Geral de Eventos Indenizáveis Líquidos do Trimestre (Quadro 9) está DIFERENTE do Total "
                        "Geral - Resumo Eventos Indenizáveis Líquidos do Trimestre (Quadro 9A)")},
        {"V15 technical provisions", "planos",
         "UPDATE PROVISOESTECNICAS SET VL_PROV_EVEN_IBNR = 301 WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '2008-01-01'",
         "V15", "12", "20081",
         QStringLiteral("O somatório de PROVISÕES TÉCNICAS + Provisão de Eventos Ocorridos e Não Avisados - Passivo "
                        "(Quadro 12) está DIFERENTE do Total Geral de Provisões Técnicas (Quadro 14)")},
        {"V17 region zero", "planos", "UPDATE DADOSPESSOAS SET CD_REG_ATUACAO = 0 WHERE CD_OPER = '%1'", "V17", "01", "",
         QStringLiteral("Quadro 1 : Cadastro - A partir do ano de 2005, a REGIÃO DE ATUAÇÃO deverá ser informada "
                        "OBRIGATORIAMENTE.")
             + kPorFavor},
        {"V17 no details from 2005", "planos", "DELETE FROM DADOSPESSOAS WHERE CD_OPER = '%1'", "V17", "01", "",
         QStringLiteral("Quadro 1 : Cadastro - A partir do ano de 2005, a REGIÃO DE ATUAÇÃO deverá ser informada "
                        "OBRIGATORIAMENTE.")
             + kPorFavor},
        {"V18 a later version without technical officer", "planos",
         "INSERT INTO ADMINISTRADORES (CD_OPER, DT_INIC_VIGN, ID_PSOA, SQ_PSOA, CD_ORGA, LG_RESPONSAVEL_TECNICO, "
         "LG_ALTR_TRAM) VALUES ('%1', '2006-07-01', 1, 1, 'D', 'F', 'N')",
         "V18", "03", "",
         QStringLiteral("Quadro 3: Administradores - A partir do ano de 2005 o RESPONSÁVEL TÉCNICO deverá ser informado.")
             + kPorFavor},
        {"V18 no administrators from 2005", "seguradora", "DELETE FROM ADMINISTRADORES WHERE CD_OPER = '%1'", "V18", "03",
         "",
         QStringLiteral("Quadro 3: Administradores - A partir do ano de 2005 o RESPONSÁVEL TÉCNICO deverá ser informado.")
             + kPorFavor},
        {"V19 representative empty", "planos", "UPDATE DIRETORRELACOES SET CD_OPER_DIRE = ' ' WHERE CD_OPER = '%1'", "V19",
         "04", "",
         QStringLiteral("Quadro 4: Representante junto à QOR - A partir do ano de 2005 o REPRESENTANTE deverá ser "
                        "informado OBRIGATORIAMENTE.")
             + kPorFavor},
        {"V19 no representative", "planos", "DELETE FROM DIRETORRELACOES WHERE CD_OPER = '%1'", "V19", "04", "",
         QStringLiteral("Quadro 4: Representante junto à QOR - A partir do ano de 2005 o REPRESENTANTE deverá ser "
                        "informado OBRIGATORIAMENTE.")
             + kPorFavor},
    };
}

// Changes that look like defects but that the rules do not report.
struct SemConstatacao {
    const char *nome;
    const char *sql;
};

const SemConstatacao kSemConstatacao[] = {
    {"a quarter whose own selling expenses are zero is not compared, whatever its year-to-date total",
     "UPDATE DESPESAS_COMERC_VALOR SET VL_DESPESA = CASE CD_DESPESA WHEN '025' THEN 99 ELSE 0 END "
     "WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '2008-01-01'"},
    {"transmitted rows take no part in the revenue comparison, on either side",
     "UPDATE RECEITASDESPESASUF SET VL_RECT_PRE = 99999, LG_ALTR_TRAM = 'T' WHERE CD_OPER = '%1' "
     "AND DT_INIC_VIGN = '2008-01-01'"},
    {"less than half a cent passes the two-decimal comparison of the totals",
     "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = VL_CONTA_REFERENCIA + 0.004 WHERE CD_OPER = '%1' "
     "AND DT_INIC_VIGN = '2006-04-01' AND CD_CONTA_REFERENCIA = '29000'"},
    {"a zero total before 2005 is not reported",
     "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 0 WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '2004-10-01' "
     "AND CD_CONTA_REFERENCIA IN ('19000', '29000')"},
    {"the ages of balances are not checked in 2008",
     "UPDATE TB_IdadeSaldoValor SET VL_CONTA_IDADE_SALDO = 12345 WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '2008-01-01'"},
    {"a quarter without its receivables account is not compared with the ages of balances",
     "DELETE FROM PLANOCONTASVALOR WHERE CD_OPER = '%1' AND DT_INIC_VIGN = '2006-01-01' AND CD_CONTA_REFERENCIA = '10810'"},
    {"the technical-officer flag may sit on any row of the version",
     "UPDATE ADMINISTRADORES SET LG_RESPONSAVEL_TECNICO = CASE LG_RESPONSAVEL_TECNICO WHEN 'T' THEN 'F' ELSE 'T' END "
     "WHERE CD_OPER = '%1'"},
    {"another operator's data does not count",
     "UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 1 WHERE CD_OPER <> '%1'"},
};

class RegrasValidacaoTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        operadoraCompleta(banco, planos);
        operadoraCompleta(banco, seguradora);
    }

    QList<Constatacao> validar(const QString &cod)
    {
        ValidacaoDados validacao(banco.db(), cod, cod == planos);
        const ResultadoValidacao r = validacao.executar();
        EXPECT_TRUE(r.concluida) << r.erro.toStdString();
        return r.constatacoes;
    }

    BancoTemporario banco;
};

} // namespace

TEST_F(RegrasValidacaoTeste, CleanOperatorsHaveNoFinding)
{
    for (const QString &cod : {planos, seguradora}) {
        const QList<Constatacao> lista = validar(cod);
        EXPECT_TRUE(lista.isEmpty()) << cod.toStdString() << "\n" << descrever(lista).toStdString();
        EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE CD_OPER = '%1'").arg(cod)).toInt(), 0);
    }
}

TEST_F(RegrasValidacaoTeste, EachDefectGivesExactlyItsFinding)
{
    for (const Defeito &defeito : defeitos()) {
        SCOPED_TRACE(defeito.nome);
        BancoTemporario limpo;
        const QString cod = QLatin1String(defeito.operadora) == QLatin1String("planos") ? planos : seguradora;
        operadoraCompleta(limpo, cod);
        limpo.sql(QString::fromLatin1(defeito.sql).arg(cod));

        ValidacaoDados validacao(limpo.db(), cod, cod == planos);
        const ResultadoValidacao r = validacao.executar();
        ASSERT_TRUE(r.concluida) << r.erro.toStdString();
        ASSERT_EQ(r.constatacoes.size(), 1) << descrever(r.constatacoes).toStdString();
        const Constatacao &c = r.constatacoes.first();
        EXPECT_EQ(c.regra, QLatin1String(defeito.regra));
        EXPECT_EQ(c.quadro, QLatin1String(defeito.quadro));
        EXPECT_EQ(c.dePeri(), QLatin1String(defeito.periodo));
        EXPECT_EQ(c.mensagem, defeito.mensagem);

        // What the table holds is what the lists and the gate read.
        Consulta q(limpo.db(), QStringLiteral("SELECT NR_VLDC_SEQL, DE_VLDC_QUAD_UM, DE_VLDC_TEXT_UM, TP_VLDC, DE_PERI "
                                              "FROM VALIDACAO WHERE CD_OPER = :CDOPER"));
        q.bind(QStringLiteral(":CDOPER"), cod);
        ASSERT_TRUE(q.primeira());
        EXPECT_EQ(q.inteiro(QStringLiteral("NR_VLDC_SEQL")), 1);
        EXPECT_EQ(q.texto(QStringLiteral("DE_VLDC_QUAD_UM")), QLatin1String(defeito.quadro));
        EXPECT_EQ(q.texto(QStringLiteral("DE_VLDC_TEXT_UM")), defeito.mensagem);
        EXPECT_EQ(q.texto(QStringLiteral("TP_VLDC")), QStringLiteral("2"));
        EXPECT_EQ(q.texto(QStringLiteral("DE_PERI")), QLatin1String(defeito.periodo));
        EXPECT_FALSE(q.proxima());
        EXPECT_EQ(r.envioLiberado, QByteArray(defeito.periodo) == "20044");
    }
}

TEST_F(RegrasValidacaoTeste, ChangesTheRulesDoNotReport)
{
    for (const SemConstatacao &caso : kSemConstatacao) {
        SCOPED_TRACE(caso.nome);
        BancoTemporario limpo;
        operadoraCompleta(limpo, planos);
        limpo.sql(QString::fromLatin1(caso.sql).arg(planos));
        ValidacaoDados validacao(limpo.db(), planos, true);
        const ResultadoValidacao r = validacao.executar();
        ASSERT_TRUE(r.concluida) << r.erro.toStdString();
        EXPECT_TRUE(r.constatacoes.isEmpty()) << descrever(r.constatacoes).toStdString();
        EXPECT_TRUE(r.envioLiberado);
    }
}

TEST_F(RegrasValidacaoTeste, ZeroTotalsFrom2005AreReportedOnTheirOwn)
{
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 0 WHERE CD_OPER = '345678' "
                             "AND DT_INIC_VIGN = '2005-01-01' AND CD_CONTA_REFERENCIA IN ('19000', '29000')"));
    const QList<Constatacao> lista = validar(planos);
    ASSERT_EQ(lista.size(), 2) << descrever(lista).toStdString();
    EXPECT_EQ(lista.at(0).quadro, QStringLiteral("11"));
    EXPECT_EQ(lista.at(0).mensagem, QStringLiteral("O Total do ATIVO (Quadro 11) NÃO PODE SER IGUAL A ZERO"));
    EXPECT_EQ(lista.at(1).quadro, QStringLiteral("12"));
    EXPECT_EQ(lista.at(1).mensagem, QStringLiteral("O Total do PASSIVO (Quadro 12) NÃO PODE SER IGUAL A ZERO"));
    for (const Constatacao &c : lista)
        EXPECT_EQ(c.dePeri(), QStringLiteral("20051"));
}

TEST_F(RegrasValidacaoTeste, YearToDateTotalsAddOnlyTheQuartersOfTheYearUpToThePeriod)
{
    // The 2006 income statement of the second quarter holds only that quarter: the
    // year-to-date total of Quadro 8 (first and second quarters) no longer agrees.
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 1753 WHERE CD_OPER = '345678' "
                             "AND DT_INIC_VIGN = '2006-04-01' AND CD_CONTA_REFERENCIA = '30200'"));
    const QList<Constatacao> lista = validar(planos);
    ASSERT_EQ(lista.size(), 1) << descrever(lista).toStdString();
    EXPECT_EQ(lista.first().dePeri(), QStringLiteral("20062"));
    ASSERT_TRUE(lista.first().valorQuadro && lista.first().valorComparado);
    EXPECT_EQ(*lista.first().valorQuadro, Moeda::deCentavos((1752 + 1753) * 100));
    EXPECT_EQ(*lista.first().valorComparado, Moeda::deCentavos(1753 * 100));
}

TEST_F(RegrasValidacaoTeste, ManagedSelfInsuredMustRecordA2007Period)
{
    const QString mantida = QStringLiteral("344184");
    ASSERT_TRUE(RegraAutogestaoMantida::operadorasMantidas().contains(mantida));
    EXPECT_EQ(RegraAutogestaoMantida::operadorasMantidas().size(), 77);
    BancoTemporario b;
    operadoraCompleta(b, mantida, QStringLiteral("AUTOG"), QStringLiteral("NPATR"));
    const QString mensagem = QStringLiteral("Quadro 1 : Cadastro - A partir do ano de 2007, as AUTOGESTÃO MANTIDA devem "
                                            "OBRIGATORIAMENTE criar um lançamento com o ano corrente.")
                             + kPorFavor;
    {
        ValidacaoDados validacao(b.db(), mantida, true);
        const ResultadoValidacao r = validacao.executar();
        ASSERT_EQ(r.constatacoes.size(), 1) << descrever(r.constatacoes).toStdString();
        EXPECT_EQ(r.constatacoes.first().regra, QStringLiteral("V16"));
        EXPECT_EQ(r.constatacoes.first().quadro, QStringLiteral("01"));
        EXPECT_EQ(r.constatacoes.first().dePeri(), QString());
        EXPECT_EQ(r.constatacoes.first().mensagem, mensagem);
        EXPECT_FALSE(r.envioLiberado);
    }
    // A 2007 period as managed self-insurance satisfies the rule (and, being the
    // registration in force, spares it the region and technical-officer checks).
    b.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, CD_SOCI, CD_NATZ_JURD, "
                         "LG_ALTR_TRAM) VALUES ('344184', '2007-01-01', 0, 'AUTOG', 'MANTI', 'C', 'SOCIA', 'N')"));
    b.sql(QStringLiteral("DELETE FROM ADMINISTRADORES"));
    ValidacaoDados validacao(b.db(), mantida, true);
    const ResultadoValidacao r = validacao.executar();
    EXPECT_TRUE(r.constatacoes.isEmpty()) << descrever(r.constatacoes).toStdString();
}

TEST(RegrasValidacaoContas, AccountsOfTheIncomeStatementByYear)
{
    const RegraQuadroContraResultado v1(RegraQuadroContraResultado::Contraprestacoes);
    const RegraQuadroContraResultado v2(RegraQuadroContraResultado::Eventos);
    const RegraQuadroContraResultado v3(RegraQuadroContraResultado::DespesasComercializacao);
    EXPECT_EQ(v1.contasResultado(2006), QStringList{QStringLiteral("30200")});
    EXPECT_EQ(v1.contasResultado(2007), QStringList{QStringLiteral("31001")});
    EXPECT_EQ(v2.contasResultado(2002), QStringList{QStringLiteral("30400")});
    EXPECT_EQ(v2.contasResultado(2003), (QStringList{QStringLiteral("30420"), QStringLiteral("30440"), QStringLiteral("30460")}));
    EXPECT_EQ(v2.contasResultado(2006), (QStringList{QStringLiteral("30420"), QStringLiteral("30440"), QStringLiteral("30460")}));
    EXPECT_EQ(v2.contasResultado(2007), (QStringList{QStringLiteral("32001"), QStringLiteral("32002"), QStringLiteral("32003")}));
    EXPECT_EQ(v3.contasResultado(2006), QStringList{QStringLiteral("30600")});
    EXPECT_EQ(v3.contasResultado(2008), QStringList{QStringLiteral("34001")});
}

TEST(RegrasValidacaoLista, NineteenRulesInOrder)
{
    QStringList codigos;
    for (const auto &r : RegrasValidacao::todas())
        codigos << r->codigo();
    QStringList esperados;
    for (int i = 1; i <= 19; ++i)
        esperados << QStringLiteral("V%1").arg(i);
    EXPECT_EQ(codigos, esperados);
    EXPECT_EQ(RegrasValidacao::regra(QStringLiteral("V20")), nullptr);
}

TEST(RegrasValidacaoLista, WhichRulesApplyToWhichOperators)
{
    struct Caso {
        const char *modalidade;
        const char *submodalidade;
        bool planos;
        const char *regras; // the rules that apply, as "1,2,..."
    };
    const Caso casos[] = {
        {"MEGRP", "SPP", true, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19"},
        {"SES", "SSS", false, "1,2,3,4,5,6,7,8,9,10,11,12,13,16,17,18,19"},
        {"ADMIN", "ADMPL", true, "4,5,6,7,8,9,10,11,12,13,16,17,18,19"},
        {"AUTOG", "PATRM", true, "16,19"},
        {"AUTOG", "PATRS", true, "16,19"},
        {"AUTOG", "MANTI", true, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,19"},
    };
    for (const Caso &c : casos) {
        ContextoValidacao ctx;
        ctx.modalidade = QLatin1String(c.modalidade);
        ctx.submodalidade = QLatin1String(c.submodalidade);
        ctx.operadoraDePlanos = c.planos;
        QStringList aplicadas;
        for (const auto &r : RegrasValidacao::todas())
            if (RegrasValidacao::aplica(r->codigo(), ctx))
                aplicadas << r->codigo().mid(1);
        EXPECT_EQ(aplicadas.join(u','), QLatin1String(c.regras)) << c.modalidade << " " << c.submodalidade;
    }
}

TEST(ConstatacaoTexto, PeriodTextsOfAFinding)
{
    struct Caso {
        QDate periodo;
        const char *dePeri;
        const char *texto;
    };
    const Caso casos[] = {{QDate(2006, 4, 1), "20062", "2º Trimestre de 2006"},
                          {QDate(2005, 1, 1), "20051", "1º Trimestre de 2005"},
                          {QDate(2004, 10, 1), "20044", "4º Trimestre de 2004"},
                          {QDate(), "", ""}};
    for (const Caso &c : casos) {
        Constatacao k;
        k.periodo = c.periodo;
        EXPECT_EQ(k.dePeri(), QString::fromUtf8(c.dePeri));
        EXPECT_FALSE(k.dePeri().isNull());
        EXPECT_EQ(k.textoPeriodo(), QString::fromUtf8(c.texto));
        EXPECT_EQ(k.erro(), !c.periodo.isValid() || c.periodo.year() >= 2005);
    }
}
