// The printed quadros 1, 2, 8, 11, 12, 13, 15 and 15A: each read for one operator and
// one period from a small fixture, rendered to PDF and read back as a user would
// (pdftotext): header, values in pt-BR form, totals, rows of no other period, and
// the warning when there is nothing to print. With KELPA_CAPTURAS=dir every page is
// also written there as PNG, to be looked at.

#include "relatorios_apoio.h"

#include "apoio/ExecutaCli.h"
#include "relatorios/ImpressaoComposta.h"
#include "relatorios/RegistroRelatorios.h"
#include "relatorios/TqrpCadastro.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

using namespace kelpa;
using namespace kelpa::relatorios;
using namespace kelpa::teste;
using namespace kelpa::teste::relatorios;

namespace {

const QString seguradora = QStringLiteral("001234"); // an insurer of the official list

struct Impresso {
    QString aviso; // the warning naming what has nothing to print
    bool temDados = false;
    DocumentoRelatorio documento;
    QStringList paginas; // the PDF's text, page by page
    QList<QSizeF> tamanhos;

    QString tudo() const { return paginas.join(u'\f'); }
};

// Prints a quadro as its print action and `kelpa-cli print` do.
Impresso imprimir(const BancoTemporario &banco, const QString &chave, const QDate &data, const QString &nome,
                  const QString &codigo = operadora)
{
    Impresso r;
    const FormaImpressao *forma = RegistroRelatorios::localizar(chave);
    if (!forma) {
        ADD_FAILURE() << "sem relatório: " << chave.toStdString();
        return r;
    }
    ImpressaoComposta impressao;
    forma->montar(impressao);
    impressao.carregar(banco.db(), codigo, data, QDateTime(QDate(2007, 3, 5), QTime(9, 7, 0)));
    r.aviso = RegistroRelatorios::mensagemSemDados(*forma, impressao);
    r.temDados = impressao.temDados();
    r.documento = impressao.documento(forma->descricao);
    if (r.documento.vazio())
        return r;

    QTemporaryDir dir;
    const QString arquivo = dir.filePath(nome + QStringLiteral(".pdf"));
    EXPECT_TRUE(Renderizador::gravarPdf(r.documento, arquivo));
    // Runs of blanks read as one, as a reader searching the PDF types them.
    static const QRegularExpression brancos(QStringLiteral("[ \\t]+"));
    for (const QString &p : paginasPdf(arquivo, true))
        r.paginas << QString(p).replace(brancos, QStringLiteral(" "));
    r.tamanhos = tamanhosPaginasPdf(arquivo);
    EXPECT_EQ(r.paginas.size(), r.documento.totalPaginas());
    const QString capturas = qEnvironmentVariable("KELPA_CAPTURAS");
    if (!capturas.isEmpty()) {
        QDir().mkpath(capturas);
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                       arquivo, QDir(capturas).filePath(QStringLiteral("relatorio_") + nome)});
    }
    return r;
}

// The texts of `texto` appear in this order.
::testing::AssertionResult emOrdem(const QString &texto, const QStringList &partes)
{
    qsizetype desde = 0;
    for (const QString &p : partes) {
        const qsizetype i = texto.indexOf(p, desde);
        if (i < 0)
            return ::testing::AssertionFailure() << "\"" << p.toStdString() << "\" não aparece depois de \""
                                                 << texto.mid(std::max<qsizetype>(0, desde - 40), 40).toStdString()
                                                 << "\"";
        desde = i + p.size();
    }
    return ::testing::AssertionSuccess();
}

QString semDados(const QString &legenda)
{
    return QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período selecionado:\r\r") + legenda
           + QStringLiteral("\r");
}

// --- Quadro 1 -------------------------------------------------------------------

class Quadro1Impresso : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        banco.sql(QStringLiteral(
            "INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, CD_SOCI, CD_NATZ_JURD, LG_ALTR_TRAM, "
            "LG_COMERCIALIZACAO_SEDE) VALUES ('345678', '2001-01-01', 0, 'MEGRP', 'SPP', 'C', 'SCOTA', 'N', 'F'), "
            "('345678', '2005-03-01', 0, 'MEGRP', 'SPP', 'C', 'SCOTA', 'N', 'F')"));
        const QString pessoa = QStringLiteral(
            "INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, NM_FANT, DE_MAIL, "
            "CD_REG_ATUACAO, DE_ENDR, NR_ENDERECO, DE_COMPLEMENTO_ENDR, NM_BAIR, CD_CEP, ID_MUNC, DE_ENDR_CORRESP, "
            "NR_ENDR_CORRESP, DE_COMPL_CORRESP, NM_BAIR_CORRESP, CD_CEP_CORRESP, ID_MUNC_CORRESP, LG_ALTR_TRAM) VALUES ");
        banco.sql(pessoa + QStringLiteral("('345678', '2001-01-01', 0, 'J', '96943342000114', 'Saúde Exemplo Ltda.', "
                                          "'EXEMPLO', 'antigo@exemplo.com.br', 0, 'RUA ANTIGA', '10', '', 'CENTRO', "
                                          "'01001000', 3550308, 'RUA ANTIGA', '10', '', 'CENTRO', '01001000', 3550308, 'N')"));
        banco.sql(pessoa + QStringLiteral("('345678', '2005-03-01', 0, 'J', '96943342000114', 'Saúde Exemplo Ltda.', "
                                          "'SAÚDE EXEMPLO', 'cadastro@exemplo.com.br', 4, 'AVENIDA PAULISTA', '1000', "
                                          "'CONJ 5', 'BELA VISTA', '01310100', 3550308, 'RUA CORONEL OLIVEIRA LIMA', "
                                          "'415', 'SALA 3', 'CENTRO', '09010001', 3547809, 'N')"));
        banco.sql(QStringLiteral(
            "INSERT INTO TELEFONESPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, NR_SEQL_TELF, TP_TELF, CD_DDI, CD_DDD, NR_TELF, "
            "NR_RAML, LG_ALTR_TRAM) VALUES ('345678', '2001-01-01', 0, 1, 'T', '', '11', '11110000', '', 'N'), "
            "('345678', '2005-03-01', 0, 1, 'T', '', '11', '32851100', '', 'N'), "
            "('345678', '2005-03-01', 0, 2, 'T', '', '11', '32851101', '214', 'N'), "
            "('345678', '2005-03-01', 0, 3, 'T', '1', '', '5550100', '', 'N'), "
            "('345678', '2005-03-01', 0, 0, 'F', '', '11', '32851200', '', 'N')"));
        // Municipalities of operation only in 2005: two in Rio, three in São Paulo.
        for (const char *id : {"3550308", "3506003", "3500501", "3304557", "3303302"})
            banco.sql(QStringLiteral("INSERT INTO RL_MUNICIPIO_ATUACAO_OPERADORA (CD_OPER, DT_INIC_VIGN, ID_PSOA, ID_MUNC, "
                                     "LG_ALTR_TRAM) VALUES ('345678', '2005-03-01', 0, %1, 'N')")
                          .arg(QLatin1String(id)));
    }

    BancoTemporario banco;
};

TEST_F(Quadro1Impresso, PrintsThePeriodInForceAndItsRegionOfOperationOnTheNextPage)
{
    const Impresso r = imprimir(banco, QStringLiteral("1"), {}, QStringLiteral("quadro1"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 2);
    EXPECT_EQ(r.documento.iniciosDosRelatorios(), (QList<qsizetype>{0, 1}));
    const QString &cadastro = r.paginas.at(0);
    EXPECT_TRUE(emOrdem(cadastro, {QStringLiteral("Quadro 1: Cadastro"), QStringLiteral("A partir de 01/03/2005"),
                                   QStringLiteral("Operadora : 34567-8 - ") + nomeOperadora,
                                   QStringLiteral("CNPJ: 96.943.342/0001-14")}));
    for (const char *t : {"SOCIEDADE POR QUOTAS", "MEDICINA DE GRUPO", "REGIÃO 4", "AVENIDA PAULISTA", "CONJ 5",
                          "01310-100", "São Paulo", "32851100", "32851101", "214", "DDI", "5550100", "32851200",
                          "cadastro@exemplo.com.br", "RUA CORONEL OLIVEIRA LIMA", "Santo André", "09010-001"})
        EXPECT_TRUE(cadastro.contains(QString::fromUtf8(t))) << t;
    // Nothing of the 2001 period, and no kind of company from 2005 on.
    for (const char *t : {"RUA ANTIGA", "11110000", "antigo@", "Tipo Sociedade", "COM FINS LUCRATIVOS"})
        EXPECT_FALSE(cadastro.contains(QString::fromUtf8(t))) << t;

    const QString &regiao = r.paginas.at(1);
    EXPECT_TRUE(emOrdem(regiao, {QStringLiteral("Quadro 1: Cadastro - Região de Atuação"),
                                 QStringLiteral("A partir de 01/03/2005"), QStringLiteral("Rio de Janeiro (RJ)"),
                                 QStringLiteral("São Paulo (SP)")}));
    // By name as people sort them: the accented name is not sent to the end.
    EXPECT_TRUE(emOrdem(regiao, {QStringLiteral("São Paulo (SP)"), QStringLiteral("Águas de Lindóia"),
                                 QStringLiteral("Bauru"), QStringLiteral("São Paulo")}));
    EXPECT_TRUE(regiao.contains(QStringLiteral("Niterói")));
}

TEST_F(Quadro1Impresso, AnOlderDatePrintsThatPeriodAloneWithItsKindOfCompany)
{
    const Impresso r = imprimir(banco, QStringLiteral("Quadro 1"), QDate(2004, 12, 31), QStringLiteral("quadro1_2001"));
    // The 2001 period has no municipalities: the region report is left out, unnamed.
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 1);
    const QString &p = r.paginas.first();
    for (const char *t : {"A partir de 01/01/2001", "Tipo Sociedade", "COM FINS LUCRATIVOS", "RUA ANTIGA", "11110000"})
        EXPECT_TRUE(p.contains(QString::fromUtf8(t))) << t;
    for (const char *t : {"REGIÃO", "Região de Atuação", "AVENIDA PAULISTA", "32851101"})
        EXPECT_FALSE(p.contains(QString::fromUtf8(t))) << t;
}

TEST_F(Quadro1Impresso, BeforeTheFirstPeriodThereIsNothingToPrint)
{
    const Impresso r = imprimir(banco, QStringLiteral("1"), QDate(2000, 12, 31), QStringLiteral("quadro1_vazio"));
    EXPECT_FALSE(r.temDados);
    EXPECT_TRUE(r.documento.vazio());
    EXPECT_EQ(r.aviso, semDados(QStringLiteral("Quadro 1:    Cadastro")));
}

TEST_F(Quadro1Impresso, SponsoredSelfManagementPrintsNoRegionOfOperation)
{
    banco.sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'AUTOG', CD_SUBM = 'PATRM' WHERE DT_INIC_VIGN = '2005-03-01'"));
    const Impresso r = imprimir(banco, QStringLiteral("1"), {}, QStringLiteral("quadro1_autogestao"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 1);
    EXPECT_TRUE(r.paginas.first().contains(QStringLiteral("AUTOGESTÃO")));
    EXPECT_FALSE(r.paginas.first().contains(QStringLiteral("Quadro 1: Cadastro - Região de Atuação")));
    EXPECT_FALSE(r.paginas.first().contains(QStringLiteral("São Paulo (SP)")));
}

TEST(Quadro1Vigencia, TheDatePrintsNotBeforeTheOperatorsFirstPossiblePeriod)
{
    struct Caso {
        QDate periodo;
        bool planos;
        const char *rotulo;
    };
    const Caso casos[] = {
        {QDate(1999, 6, 15), true, "Vigência:  A partir de 01/01/2001"},
        {QDate(2001, 1, 1), true, "Vigência:  A partir de 01/01/2001"},
        {QDate(2005, 3, 1), true, "Vigência:  A partir de 01/03/2005"},
        {QDate(2001, 4, 2), false, "Vigência:  A partir de 01/01/2007"},
        {QDate(2007, 5, 2), false, "Vigência:  A partir de 02/05/2007"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(TqrpCadastro::rotuloVigencia(c.periodo, c.planos), QString::fromUtf8(c.rotulo));
}

// --- Quadro 2 -------------------------------------------------------------------

class Quadro2Impresso : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        banco.sql(QStringLiteral(
            "INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, LG_ESTRANGEIRO, LG_ALTR_TRAM) VALUES "
            "('345678', 1, 'F', '31854027662', 'MARIANA COSTA FERREIRA', 'F', 'N'), "
            "('345678', 2, 'F', '52791360425', 'RICARDO ALMEIDA TAVARES', 'T', 'N'), "
            "('345678', 3, 'J', '11222333000181', 'AUDITORES ASSOCIADOS S/S', 'F', 'N')"));
        banco.sql(QStringLiteral("INSERT INTO DADOSBASICOS (CD_OPER, DT_INIC_VIGN, DT_FNDC, QT_FUNC, VL_CAPT_PPIO, "
                                 "LG_ALTR_TRAM) VALUES ('345678', '2004-01-01', '1994-03-10', 1234, 0, 'N'), "
                                 "('345678', '2006-01-01', NULL, NULL, 0, 'N')"));
        // The 2006 period has no actuary: it must not borrow the 2004 one.
        banco.sql(QStringLiteral(
            "INSERT INTO RESPONSAVEIS (CD_OPER, DT_INIC_VIGN, ID_RPSV, ID_PSOA, NR_REGS_RPSV, LG_ALTR_TRAM) VALUES "
            "('345678', '2004-01-01', 1, 1, 'CRC-SP-1', 'N'), ('345678', '2004-01-01', 2, 2, 'MIBA-2', 'N'), "
            "('345678', '2004-01-01', 3, 3, 'CVM-3', 'N'), "
            "('345678', '2006-01-01', 1, 1, 'CRC-SP-1', 'N'), ('345678', '2006-01-01', 3, 3, 'CVM-3', 'N')"));
    }

    BancoTemporario banco;
};

TEST_F(Quadro2Impresso, PrintsOnlyTheResponsiblesOfThePeriodInForce)
{
    const Impresso r = imprimir(banco, QStringLiteral("2"), QDate(2006, 6, 30), QStringLiteral("quadro2"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 1);
    const QString &p = r.paginas.first();
    EXPECT_TRUE(emOrdem(p, {QStringLiteral("Quadro 2: Dados Básicos"), QStringLiteral("A partir de 01/01/2006"),
                            QStringLiteral("Contábil"), QStringLiteral("MARIANA COSTA FERREIRA"),
                            QStringLiteral("318.540.276-62"), QStringLiteral("CRC-SP-1"),
                            QStringLiteral("Auditoria Independente"), QStringLiteral("Razão Social"),
                            QStringLiteral("CNPJ"), QStringLiteral("AUDITORES ASSOCIADOS S/S"),
                            QStringLiteral("11.222.333/0001-81"), QStringLiteral("CVM-3")}));
    for (const char *t : {"Atuarial", "RICARDO", "MIBA-2", "Fundação da Operadora", "Qtde de Funcionários"})
        EXPECT_FALSE(p.contains(QString::fromUtf8(t))) << t;
}

TEST_F(Quadro2Impresso, Before2005TheFoundationAndStaffPrintToo)
{
    const Impresso r = imprimir(banco, QStringLiteral("2"), QDate(2005, 12, 31), QStringLiteral("quadro2_2004"));
    ASSERT_EQ(r.paginas.size(), 1);
    const QString &p = r.paginas.first();
    EXPECT_TRUE(emOrdem(p, {QStringLiteral("A partir de 01/01/2004"), QStringLiteral("Fundação da Operadora"),
                            QStringLiteral("10/03/1994"), QStringLiteral("1.234"), QStringLiteral("Contábil"),
                            QStringLiteral("Atuarial"), QStringLiteral("[ESTRANGEIRO]"),
                            QStringLiteral("RICARDO ALMEIDA TAVARES"), QStringLiteral("527.913.604-25"),
                            QStringLiteral("MIBA-2"), QStringLiteral("Auditoria Independente")}));
}

TEST_F(Quadro2Impresso, APeriodWithoutResponsiblesIsEmpty)
{
    banco.sql(QStringLiteral("INSERT INTO DADOSBASICOS (CD_OPER, DT_INIC_VIGN, QT_FUNC, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2007-01-01', 0, 'N')"));
    const Impresso r = imprimir(banco, QStringLiteral("2"), {}, QStringLiteral("quadro2_vazio"));
    EXPECT_FALSE(r.temDados);
    EXPECT_EQ(r.aviso, semDados(QStringLiteral("Quadro 2:    Dados Básicos")));
}

// --- Quadro 8 -------------------------------------------------------------------

class Quadro8Impresso : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        receitas(operadora);
    }

    void receitas(const QString &codigo)
    {
        banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) VALUES "
                                 "('%1', '2006-04-01', 'N'), ('%1', '2006-07-01', 'N'), ('%1', '2006-10-01', 'N')")
                      .arg(codigo));
        banco.sql(QStringLiteral(
                      "INSERT INTO RECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, CD_UF, VL_RECT_PRE, VL_RECT_OUTR, "
                      "VL_RECT_PRE_ODON, VL_RECT_OUTR_ODON, VL_DESP_MEDC_PRE, LG_ALTR_TRAM) VALUES "
                      "('%1', '2006-04-01', 'SP', 1000.5, 234.06, 100, NULL, 999, 'N'), "
                      "('%1', '2006-04-01', 'RJ', 0, 0, 0, 0, 888, 'N'), "
                      "('%1', '2006-04-01', 'MG', NULL, NULL, NULL, 50.25, NULL, 'N'), "
                      "('%1', '2006-07-01', 'SP', 7777, 0, 0, 0, 0, 'N')")
                      .arg(codigo));
    }

    BancoTemporario banco;
};

TEST_F(Quadro8Impresso, PrintsTheStatesOfTheQuarterWithRowAndColumnTotals)
{
    const Impresso r = imprimir(banco, QStringLiteral("8"), QDate(2006, 5, 10), QStringLiteral("quadro8"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 1);
    EXPECT_EQ(r.tamanhos.first(), QSizeF(842, 595)); // landscape: eight columns of amounts
    const QString &p = r.paginas.first();
    EXPECT_TRUE(emOrdem(p, {QStringLiteral("Quadro 8: Contraprestações Líquidas do Trimestre"),
                            QStringLiteral("Vigência : 2º Trimestre de 2006"),
                            QStringLiteral("Planos de Assistência Médico-Hospitalar"),
                            QStringLiteral("Planos de Assistência Odontológica"), QStringLiteral("Total Geral")}));
    // MG (dental only) and SP in state order; RJ, without revenue, is left out.
    EXPECT_TRUE(emOrdem(p, {QStringLiteral("MG"), QStringLiteral("50,25"), QStringLiteral("SP"),
                            QStringLiteral("1.000,50"), QStringLiteral("234,06"), QStringLiteral("1.234,56"),
                            QStringLiteral("100,00"), QStringLiteral("1.334,56"), QStringLiteral("TOT"),
                            QStringLiteral("1.000,50"), QStringLiteral("1.234,56"), QStringLiteral("150,25"),
                            QStringLiteral("1.384,81")}));
    for (const char *t : {"RJ", "7.777,00", "999,00", "888,00"})
        EXPECT_FALSE(p.contains(QString::fromUtf8(t))) << t;
}

TEST_F(Quadro8Impresso, ADentalOperatorPrintsOnlyTheDentalColumns)
{
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2006-01-01', 0, 'ODGRP', 'N')"));
    const Impresso r = imprimir(banco, QStringLiteral("8"), QDate(2006, 4, 1), QStringLiteral("quadro8_odonto"));
    ASSERT_EQ(r.paginas.size(), 1);
    EXPECT_EQ(r.tamanhos.first(), QSizeF(595, 842));
    const QString &p = r.paginas.first();
    EXPECT_TRUE(emOrdem(p, {QStringLiteral("Quadro 8: Contraprestações/Prêmios"), QStringLiteral("Planos Odontológicos"),
                            QStringLiteral("MG"), QStringLiteral("50,25"), QStringLiteral("SP"), QStringLiteral("100,00"),
                            QStringLiteral("TOT"), QStringLiteral("150,25")}));
    for (const char *t : {"Médico-Hospitalar", "1.000,50", "Total Geral"})
        EXPECT_FALSE(p.contains(QString::fromUtf8(t))) << t;
}

TEST_F(Quadro8Impresso, AnInsurerReadsPremiumsAndAnEmptyQuarterIsNamed)
{
    receitas(seguradora);
    const Impresso r = imprimir(banco, QStringLiteral("8"), QDate(2006, 4, 1), QStringLiteral("quadro8_seguradora"),
                                seguradora);
    ASSERT_EQ(r.paginas.size(), 1);
    EXPECT_TRUE(r.paginas.first().contains(QStringLiteral("Quadro 8: Prêmios Retidos Líquidos do Trimestre")));
    EXPECT_FALSE(r.paginas.first().contains(QStringLiteral("Contraprestações")));

    const Impresso vazio = imprimir(banco, QStringLiteral("8"), QDate(2006, 10, 1), QStringLiteral("quadro8_vazio"));
    EXPECT_FALSE(vazio.temDados);
    EXPECT_EQ(vazio.aviso, semDados(QStringLiteral("Quadro 8: Contraprestações/Prêmios do Trimestre")));
}

// --- Quadros 9A and 8A --------------------------------------------------------------

class ResumosImpressos : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, VL_DESP_HOSP_PROP, "
                                 "VL_DESP_HOSP_TOT, VL_DESP_MED_PROP, VL_DESP_MED_TOT, VL_DESP_ODON_PROP, VL_DESP_ODON_TOT, "
                                 "VL_RECT_SUS, VL_RECT_TOT, LG_ALTR_TRAM) VALUES "
                                 "('345678', '2006-04-01', 25000, 100000, NULL, 50, 2.5, 10, 1500, 6000, 'N'), "
                                 "('345678', '2006-07-01', 0.4, 0.3, NULL, NULL, NULL, NULL, 0.4, 0.3, 'N')"));
    }
    BancoTemporario banco;
};

TEST_F(ResumosImpressos, Quadro9APrintsEachServiceWithItsOwnNetworksShareAndTheTotals)
{
    const Impresso r = imprimir(banco, QStringLiteral("9A"), QDate(2006, 5, 10), QStringLiteral("quadro9A"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 1);
    EXPECT_TRUE(emOrdem(r.paginas.first(),
                        {QStringLiteral("Quadro 9A: Resumo Eventos Indenizáveis Líquidos do Trimestre"),
                         QStringLiteral("Vigência: 2º Trimestre de 2006"), QStringLiteral("Planos de Assistência Médico-Hospitalar"),
                         QStringLiteral("Serviços Hospitalares"), QStringLiteral("25.000,00"), QStringLiteral("25,00 %"),
                         QStringLiteral("100.000,00"), QStringLiteral("Serviços Médicos"), QStringLiteral("0,00"),
                         QStringLiteral("0,00 %"), QStringLiteral("50,00"), QStringLiteral("Total Médico-Hospitalar"),
                         QStringLiteral("100.050,00"), QStringLiteral("Planos de Assistência Odontológica"),
                         QStringLiteral("Serviços Odontológicos"), QStringLiteral("2,50"), QStringLiteral("25,00 %"),
                         QStringLiteral("10,00"), QStringLiteral("TOTAL GERAL"), QStringLiteral("100.060,00")}));
}

TEST_F(ResumosImpressos, ADentalOperatorPrintsOnlyTheDentalRowOf9A)
{
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2006-01-01', 0, 'ODGRP', 'N')"));
    const Impresso r = imprimir(banco, QStringLiteral("9A"), QDate(2006, 4, 1), QStringLiteral("quadro9A_odonto"));
    ASSERT_EQ(r.paginas.size(), 1);
    const QString &p = r.paginas.first();
    EXPECT_TRUE(emOrdem(p, {QStringLiteral("Serviços Odontológicos"), QStringLiteral("2,50"), QStringLiteral("TOTAL GERAL")}));
    for (const char *t : {"Serviços Hospitalares", "Total Médico-Hospitalar"})
        EXPECT_FALSE(p.contains(QString::fromUtf8(t))) << t;
}

TEST_F(ResumosImpressos, Quadro8APrintsTheShareOfTheHealthSystemsRevenues)
{
    const Impresso r = imprimir(banco, QStringLiteral("8A"), QDate(2006, 4, 1), QStringLiteral("quadro8A"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 1);
    EXPECT_TRUE(emOrdem(r.paginas.first(),
                        {QStringLiteral("Quadro 8A: Receitas Provenientes do SUS do Trimestre"),
                         QStringLiteral("Vigência: 2º Trimestre de 2006"), QStringLiteral("Receitas do SUS"),
                         QStringLiteral("1.500,00"), QStringLiteral("Total de Receitas"), QStringLiteral("6.000,00"),
                         QStringLiteral("25,00 %")}));
}

TEST_F(ResumosImpressos, AmountsBelowHalfARealOrAQuarterWithoutRowAreNamed)
{
    const struct {
        const char *quadro, *legenda;
        QDate data;
    } casos[] = {
        {"8A", "Quadro 8A: Receitas Provenientes do SUS do Trimestre", QDate(2006, 7, 1)},
        {"9A", "Quadro 9A: Resumo Eventos Indenizáveis Líquidos do Trimestre", QDate(2006, 7, 1)},
        {"9A", "Quadro 9A: Resumo Eventos Indenizáveis Líquidos do Trimestre", QDate(2001, 1, 1)},
    };
    for (const auto &c : casos) {
        const Impresso vazio = imprimir(banco, QLatin1String(c.quadro), c.data, QStringLiteral("resumo_vazio"));
        EXPECT_FALSE(vazio.temDados) << c.quadro;
        EXPECT_EQ(vazio.aviso, semDados(QString::fromUtf8(c.legenda))) << c.quadro;
    }
}

// --- Quadro 10 ------------------------------------------------------------------

class Quadro10Impresso : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) VALUES "
                                 "('345678', '2006-04-01', 'N'), ('345678', '2006-07-01', 'N')"));
        // The rows a quarter's quadro creates, some amounts typed, one of them negative.
        for (const char *trimestre : {"2006-04-01", "2006-07-01"})
            banco.sql(QStringLiteral("INSERT INTO DESPESAS_COMERC_VALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, "
                                     "DT_INIC_VIGN_DESP, CD_DESPESA, LG_ALTR_TRAM) SELECT '345678', '%1', ID_TIPO_PLANO, "
                                     "DT_INIC_VIGN_DESP, CD_DESPESA, 'N' FROM TB_DESPESAS_COMERC")
                          .arg(QLatin1String(trimestre)));
        banco.sql(QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET VL_DESPESA = CASE CD_DESPESA WHEN '010' THEN 1234.56 "
                                 "WHEN '025' THEN -34.56 WHEN '030' THEN 500 END WHERE DT_INIC_VIGN = '2006-04-01'"));
        banco.sql(QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET VL_DESPESA = CASE CD_DESPESA WHEN '010' THEN 10 "
                                 "WHEN '020' THEN -10 END WHERE DT_INIC_VIGN = '2006-07-01'"));
    }
    BancoTemporario banco;
};

TEST_F(Quadro10Impresso, PrintsEachPlanKindsItemsWithItsTotalAndTheGrandTotal)
{
    const Impresso r = imprimir(banco, QStringLiteral("10"), QDate(2006, 5, 10), QStringLiteral("quadro10"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 1);
    EXPECT_TRUE(emOrdem(r.paginas.first(),
                        {QStringLiteral("Quadro 10: Despesas de Comercialização do Trimestre"),
                         QStringLiteral("Vigência: 2º Trimestre de 2006"), QStringLiteral("Planos de Assistência Médico - Hospitalar"),
                         QStringLiteral("Despesas de Comercialização na modalidade de pré-pagamento"), QStringLiteral("1.234,56"),
                         QStringLiteral("Despesas de Comercialização em outras modalidades"), QStringLiteral("0,00"),
                         QStringLiteral("Variação de Comissões Diferidas"), QStringLiteral("-34,56"), QStringLiteral("Total:"),
                         QStringLiteral("1.200,00"), QStringLiteral("Planos de Assistência Odontológica"),
                         QStringLiteral("500,00"), QStringLiteral("Total:"), QStringLiteral("500,00"),
                         QStringLiteral("Total Geral:"), QStringLiteral("1.700,00")}));
}

TEST_F(Quadro10Impresso, ADentalOperatorPrintsOnlyTheDentalItems)
{
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2006-01-01', 0, 'COOPO', 'N')"));
    const Impresso r = imprimir(banco, QStringLiteral("10"), QDate(2006, 4, 1), QStringLiteral("quadro10_odonto"));
    ASSERT_EQ(r.paginas.size(), 1);
    const QString &p = r.paginas.first();
    EXPECT_TRUE(emOrdem(p, {QStringLiteral("Planos de Assistência Odontológica"), QStringLiteral("500,00"),
                            QStringLiteral("Total:"), QStringLiteral("500,00")}));
    for (const char *t : {"Médico - Hospitalar", "1.234,56", "Total Geral"})
        EXPECT_FALSE(p.contains(QString::fromUtf8(t))) << t;
}

TEST_F(Quadro10Impresso, AQuarterWhoseAmountsAddUpToZeroIsNamed)
{
    for (const QDate &d : {QDate(2006, 7, 1), QDate(2001, 1, 1)}) {
        const Impresso vazio = imprimir(banco, QStringLiteral("10"), d, QStringLiteral("quadro10_vazio"));
        EXPECT_FALSE(vazio.temDados);
        EXPECT_EQ(vazio.aviso, semDados(QStringLiteral("Quadro 10: Despesas de Comercialização do Trimestre")));
    }
    // Printing reads: it never creates the rows of a quarter nobody opened.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM DESPESAS_COMERC_VALOR")).toInt(), 12);
}

// --- Quadros 11, 12 and 13 --------------------------------------------------------

class DemonstracoesImpressas : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        // Every account of both chart versions has its value row, as the structure
        // assembly leaves a quarter: 2001 for the last quarter of 2006, 2007 for 2007.
        for (const auto &[trimestre, versao] : {std::pair{"2006-10-01", "2001-01-01"}, std::pair{"2007-01-01", "2007-01-01"}}) {
            banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) "
                                     "VALUES ('345678', '%1', 'N')")
                          .arg(QLatin1String(trimestre)));
            banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, "
                                     "DT_INIC_VIGN_PLANO, CD_CONTA_REFERENCIA, VL_CONTA_REFERENCIA, LG_ALTR_TRAM) "
                                     "SELECT '345678', '%1', ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, CD_CONTA_REFERENCIA, 0, 'N' "
                                     "FROM TB_PLANOCONTAS WHERE DT_INIC_VIGN_PLANO = '%2'")
                          .arg(QLatin1String(trimestre), QLatin1String(versao)));
        }
        valor("2007-01-01", "Caixa", 1234.56);
        valor("2007-01-01", "Total do Ativo", 1234.56);
        valor("2006-10-01", "Caixa", 999.99);
        valor("2006-10-01", "Total do Ativo", 999.99);
    }

    // Sets the value of the account of that description (of the quarter's chart version).
    void valor(const char *trimestre, const QString &descricao, double v)
    {
        banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = %1 WHERE CD_OPER = '345678' "
                                 "AND DT_INIC_VIGN = '%2' AND CD_CONTA_REFERENCIA IN (SELECT B.CD_CONTA_REFERENCIA "
                                 "FROM TB_PLANOCONTAS B WHERE B.DE_CONTA_CONTABIL = '%3' "
                                 "AND B.DT_INIC_VIGN_PLANO = PLANOCONTASVALOR.DT_INIC_VIGN_PLANO)")
                      .arg(v, 0, 'f', 2)
                      .arg(QLatin1String(trimestre), descricao));
    }

    BancoTemporario banco;
};

TEST_F(DemonstracoesImpressas, AssetsPrintTheQuarterOnPagesThatRepeatTheColumnHeadings)
{
    const Impresso r = imprimir(banco, QStringLiteral("11"), QDate(2007, 3, 31), QStringLiteral("quadro11"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_GE(r.paginas.size(), 2);
    EXPECT_TRUE(emOrdem(r.paginas.first(), {QStringLiteral("Quadro 11: Balanço Patrimonial Ativo"),
                                            QStringLiteral("Vigência : 1º Trimestre de 2007"), QStringLiteral("Conta"),
                                            QStringLiteral("Descrição"), QStringLiteral("Valor (R$)"),
                                            QStringLiteral("ATIVO CIRCULANTE"), QStringLiteral("1211"),
                                            QStringLiteral("Caixa"), QStringLiteral("1.234,56")}));
    for (qsizetype i = 1; i < r.paginas.size(); ++i)
        EXPECT_TRUE(emOrdem(r.paginas.at(i), {QStringLiteral("Quadro 11: Balanço Patrimonial Ativo"),
                                              QStringLiteral("Conta"), QStringLiteral("Descrição"),
                                              QStringLiteral("Valor (R$)")}))
            << "página " << i + 1;
    EXPECT_TRUE(emOrdem(r.tudo(), {QStringLiteral("Total do Ativo"), QStringLiteral("1.234,56")}));
    EXPECT_FALSE(r.tudo().contains(QStringLiteral("999,99"))); // the other quarter
}

TEST_F(DemonstracoesImpressas, AnOlderQuarterPrintsItsOwnChartVersion)
{
    const Impresso r = imprimir(banco, QStringLiteral("11"), QDate(2006, 10, 1), QStringLiteral("quadro11_2006"));
    ASSERT_FALSE(r.paginas.isEmpty());
    EXPECT_TRUE(r.tudo().contains(QStringLiteral("4º Trimestre de 2006")));
    EXPECT_TRUE(emOrdem(r.tudo(), {QStringLiteral("Caixa"), QStringLiteral("999,99")}));
    EXPECT_FALSE(r.tudo().contains(QStringLiteral("1.234,56")));
    EXPECT_EQ(r.tudo().count(QStringLiteral("Caixa")), 1);
}

TEST_F(DemonstracoesImpressas, AStatementOfZerosIsEmptyButOneThatNetsToZeroIsNot)
{
    const Impresso passivo = imprimir(banco, QStringLiteral("12"), QDate(2007, 1, 1), QStringLiteral("quadro12_vazio"));
    EXPECT_FALSE(passivo.temDados);
    EXPECT_EQ(passivo.aviso, semDados(QStringLiteral("Quadro 12: Balanço Patrimonial - Passivo")));

    // Revenue and expenses of the same amount: a net result of zero is still a statement.
    const QString receita = banco.escalar(QStringLiteral("SELECT DE_CONTA_CONTABIL FROM TB_PLANOCONTAS WHERE "
                                                         "DT_INIC_VIGN_PLANO = '2007-01-01' AND TP_CONTA_CONTABIL = 'R' "
                                                         "AND TP_EDITAR = 'S' AND DE_CONTA_CONTABIL NOT LIKE '%(-)%' "
                                                         "ORDER BY CD_CONTA_ORDEM LIMIT 1"))
                                  .toString();
    const QString despesa = banco.escalar(QStringLiteral("SELECT DE_CONTA_CONTABIL FROM TB_PLANOCONTAS WHERE "
                                                         "DT_INIC_VIGN_PLANO = '2007-01-01' AND TP_CONTA_CONTABIL = 'R' "
                                                         "AND TP_EDITAR = 'S' AND DE_CONTA_CONTABIL LIKE '%(-)%' "
                                                         "ORDER BY CD_CONTA_ORDEM LIMIT 1"))
                                  .toString();
    ASSERT_FALSE(receita.isEmpty());
    ASSERT_FALSE(despesa.isEmpty());
    valor("2007-01-01", receita, 500);
    valor("2007-01-01", despesa, -500);
    const Impresso resultado = imprimir(banco, QStringLiteral("13"), QDate(2007, 1, 1), QStringLiteral("quadro13"));
    EXPECT_EQ(resultado.aviso, QString());
    ASSERT_FALSE(resultado.paginas.isEmpty());
    EXPECT_TRUE(emOrdem(resultado.tudo(), {QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício"),
                                           receita, QStringLiteral("500,00"), despesa, QStringLiteral("-500,00"),
                                           QStringLiteral("Resultado Líquido"), QStringLiteral("0,00")}));
}

// --- Quadro 15 ------------------------------------------------------------------

class FluxoCaixaImpresso : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        linhas("2006-04-01", {{"000", 100}, {"101", 50}, {"103", -20}, {"113", 30}, {"305", 7.5}, {"310", -12.25}});
        linhas("2006-07-01", {{"101", 5555}});
        linhas("2006-10-01", {{"103", -20}, {"113", -20}});
    }

    void linhas(const char *trimestre, std::initializer_list<std::pair<const char *, double>> valores)
    {
        for (const auto &[codigo, v] : valores)
            banco.sql(QStringLiteral("INSERT INTO TB_FluxoCaixaValor (CD_OPER, DT_INIC_VIGN, CD_FLUXO_CAIXA, "
                                     "DT_INIC_VIGN_FLUXO_CAIXA, VL_CONTA_FLUXO_CAIXA, LG_ALTR_TRAM) "
                                     "VALUES ('345678', '%1', '%2', '2006-01-01', %3, 'N')")
                          .arg(QLatin1String(trimestre), QLatin1String(codigo))
                          .arg(v, 0, 'f', 2));
    }

    BancoTemporario banco;
};

TEST_F(FluxoCaixaImpresso, PrintsTheSyntheticThenTheAnalyticReportEachOnItsOwnPage)
{
    const Impresso r = imprimir(banco, QStringLiteral("15"), QDate(2006, 4, 1), QStringLiteral("quadro15"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 2);
    EXPECT_EQ(r.documento.iniciosDosRelatorios(), (QList<qsizetype>{0, 1}));

    const QString &sintetico = r.paginas.at(0);
    EXPECT_TRUE(emOrdem(sintetico, {QStringLiteral("Quadro 15: Fluxo de Caixa - SINTÉTICO/ANALÍTICO"),
                                    QStringLiteral("Vigência : 2º Trimestre de 2006"), QStringLiteral("CAIXA LÍQUIDO"),
                                    QStringLiteral("SALDO DO TRIMESTRE ANTERIOR"), QStringLiteral("100,00"),
                                    QStringLiteral("ATIVIDADES OPERACIONAIS"), QStringLiteral("30,00"),
                                    QStringLiteral("ATIVIDADES DE INVESTIMENTO"), QStringLiteral("0,00"),
                                    QStringLiteral("ATIVIDADES DE FINANCIAMENTO"), QStringLiteral("-4,75"),
                                    QStringLiteral("FLUXO DE CAIXA DO TRIMESTRE"), QStringLiteral("25,25"),
                                    QStringLiteral("SALDO FINAL DO TRIMESTRE"), QStringLiteral("125,25")}));
    EXPECT_FALSE(sintetico.contains(QStringLiteral("Recebimentos")));

    const QString &analitico = r.paginas.at(1);
    EXPECT_TRUE(emOrdem(analitico, {QStringLiteral("Quadro 15: Fluxo de Caixa - ANALÍTICO"),
                                    QStringLiteral("ATIVIDADES OPERACIONAIS"),
                                    QStringLiteral("(+) Recebimentos de Plano de Saúde"), QStringLiteral("50,00"),
                                    QStringLiteral("(-) Pagamentos a Fornecedores/Prestadores de Serviços de Saúde"),
                                    QStringLiteral("-20,00"), QStringLiteral("CAIXA LÍQUIDO DAS ATIVIDADES OPERACIONAIS"),
                                    QStringLiteral("30,00"), QStringLiteral("ATIVIDADES DE FINANCIAMENTO"),
                                    QStringLiteral("(+) Resgate de Aplicações Financeiras"), QStringLiteral("7,50"),
                                    QStringLiteral("(-) Aplicações Financeiras"), QStringLiteral("-12,25"),
                                    QStringLiteral("CAIXA LÍQUIDO DAS ATIVIDADES DE FINANCIAMENTO"),
                                    QStringLiteral("-4,75"), QStringLiteral("FLUXO DE CAIXA DO TRIMESTRE"),
                                    QStringLiteral("25,25"), QStringLiteral("SALDO DO TRIMESTRE ANTERIOR"),
                                    QStringLiteral("100,00"), QStringLiteral("SALDO FINAL DO TRIMESTRE"),
                                    QStringLiteral("125,25")}));
    EXPECT_FALSE(r.tudo().contains(QStringLiteral("5.555,00"))); // the next quarter
}

TEST_F(FluxoCaixaImpresso, QuartersBefore2006AndFlowsWithNothingAboveZeroAreNamedOnce)
{
    banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2005-10-01', 'N')"));
    for (const QDate &data : {QDate(2005, 12, 31), QDate(2006, 10, 1), QDate(2007, 1, 1)}) {
        SCOPED_TRACE(data.toString(Qt::ISODate).toStdString());
        const Impresso r = imprimir(banco, QStringLiteral("15"), data, QStringLiteral("quadro15_vazio"));
        EXPECT_FALSE(r.temDados);
        EXPECT_EQ(r.aviso, semDados(QStringLiteral("Quadro 15: Fluxo de Caixa")));
    }
}

// --- Quadro 15A -----------------------------------------------------------------

class IdadeSaldoImpressa : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        saldos(operadora);
    }

    void saldos(const QString &codigo)
    {
        const std::pair<const char *, double> valores[] = {{"02", 100}, {"09", 50}, {"16", 25}, {"22", 10},
                                                           {"01", 1000}, {"50", 300.5}, {"56", 2}};
        for (const auto &[c, v] : valores)
            banco.sql(QStringLiteral("INSERT INTO TB_IdadeSaldoValor (CD_OPER, DT_INIC_VIGN, CD_IDADE_SALDO, "
                                     "DT_INIC_VIGN_IDADE_SALDO, VL_CONTA_IDADE_SALDO, LG_ALTR_TRAM) "
                                     "VALUES ('%1', '2006-04-01', '%2', '2006-01-01', %3, 'N')")
                          .arg(codigo, QLatin1String(c))
                          .arg(v, 0, 'f', 2));
    }

    BancoTemporario banco;
};

TEST_F(IdadeSaldoImpressa, PrintsAssetsThenLiabilitiesByAgeWithThePlansTotal)
{
    const Impresso r = imprimir(banco, QStringLiteral("15a"), QDate(2006, 6, 30), QStringLiteral("quadro15A"));
    EXPECT_EQ(r.aviso, QString());
    ASSERT_EQ(r.paginas.size(), 2);
    for (const QSizeF &t : r.tamanhos)
        EXPECT_EQ(t, QSizeF(842, 595));
    const QString &ativo = r.paginas.at(0);
    EXPECT_TRUE(emOrdem(ativo, {QStringLiteral("Quadro 15A:"), QStringLiteral("Distribuição por Idade de Saldo"),
                                QStringLiteral("Vigência : 2º Trimestre de 2006"), QStringLiteral("CONTAS DE ATIVO"),
                                QStringLiteral("a Vencer"), QStringLiteral("até 30"), QStringLiteral("+ de 365"),
                                QStringLiteral("Faturas e Mensalidades a Receber"),
                                QStringLiteral("Planos Individuais/Familiares"), QStringLiteral("1.000,00"),
                                QStringLiteral("100,00"), QStringLiteral("1.100,00"),
                                QStringLiteral("Planos Coletivos Pré-Pagamento"), QStringLiteral("50,00")}));
    // The plans' total adds the three plan rows by age; the administration fee stays out of it.
    // (A reader of the PDF finds the spaced-out "T O T A L" as "TOTAL".)
    EXPECT_TRUE(emOrdem(ativo, {QStringLiteral("Planos Coletivos Pós-Pagamento"), QStringLiteral("25,00"),
                                QStringLiteral("TOTAL"), QStringLiteral("1.000,00"),
                                QStringLiteral("175,00"), QStringLiteral("1.175,00"),
                                QStringLiteral("Taxa de Administração/Participação dos Beneficiários"),
                                QStringLiteral("10,00")}));
    EXPECT_FALSE(ativo.contains(QStringLiteral("Eventos a Liquidar")));

    const QString &passivo = r.paginas.at(1);
    EXPECT_TRUE(emOrdem(passivo, {QStringLiteral("CONTAS DE PASSIVO"), QStringLiteral("Eventos a Liquidar"),
                                  QStringLiteral("300,50"), QStringLiteral("2,00"), QStringLiteral("302,50"),
                                  QStringLiteral("Outros Débitos Operacionais")}));
    EXPECT_FALSE(passivo.contains(QStringLiteral("Taxa de Administração")));
}

TEST_F(IdadeSaldoImpressa, AnInsurerReadsInsuranceReceivablesAndClaimsToSettle)
{
    saldos(seguradora);
    const Impresso r = imprimir(banco, QStringLiteral("15A"), QDate(2006, 4, 1), QStringLiteral("quadro15A_seguradora"),
                                seguradora);
    ASSERT_EQ(r.paginas.size(), 2);
    EXPECT_TRUE(emOrdem(r.paginas.at(0), {QStringLiteral("Seguros a Receber"),
                                          QStringLiteral("Planos Individuais/Familiares")}));
    EXPECT_FALSE(r.paginas.at(0).contains(QStringLiteral("Faturas e Mensalidades")));
    EXPECT_TRUE(r.paginas.at(1).contains(QStringLiteral("Provisão de Sinistro a Liquidar")));
}

TEST_F(IdadeSaldoImpressa, AQuarterWithoutBalancesIsNamedOnce)
{
    const Impresso r = imprimir(banco, QStringLiteral("15A"), QDate(2006, 7, 1), QStringLiteral("quadro15A_vazio"));
    EXPECT_FALSE(r.temDados);
    EXPECT_EQ(r.aviso, semDados(QStringLiteral("Quadro 15A: Distribuição por Idade de Saldo")));
}

// --- every quadro, the way a user finds them ----------------------------------------

TEST(RegistroQuadrosImpressos, EveryPrintedQuadroIsFoundByNumberOrByItsTitle)
{
    struct Caso {
        const char *procura;
        const char *chave;
    };
    const Caso casos[] = {
        {"1", "1"},
        {"Quadro 2: Dados Básicos", "2"},
        {"Quadro 8: Prêmios Retidos Líquidos do Trimestre", "8"},
        {"Quadro 10: Despesas de Comercialização do Trimestre", "10"},
        {"8a", "8A"},
        {"Quadro 9A: Resumo Eventos Indenizáveis Líquidos do Trimestre", "9A"},
        {"11", "11"},
        {"Quadro 12: Balanço Patrimonial Passivo", "12"},
        {"quadro 13", "13"},
        {"Quadro 15: Fluxo de Caixa", "15"},
        {"Quadro 15A: Distribuição por Idade de Saldos", "15A"},
        {"15a", "15A"},
    };
    for (const Caso &c : casos) {
        const FormaImpressao *forma = RegistroRelatorios::localizar(QString::fromUtf8(c.procura));
        ASSERT_NE(forma, nullptr) << c.procura;
        EXPECT_EQ(forma->chave, QString::fromUtf8(c.chave));
    }
    EXPECT_EQ(RegistroRelatorios::localizar(QStringLiteral("Quadro 5: Acionistas / Quotistas"))->chave, QStringLiteral("5"));
    EXPECT_EQ(RegistroRelatorios::localizar(QStringLiteral("Quadro 14A: Ativos Vinculados")), nullptr);
    EXPECT_EQ(RegistroRelatorios::localizar(QStringLiteral("Impressão de Demonstrações")), nullptr);
}

// The demo operator, built and printed by kelpa-cli: every quadro has its pages, and
// the printed balance sheet balances.
TEST(QuadrosImpressosDemonstracao, TheCommandLinePrintsEveryQuadroOfTheDemoOperator)
{
    QTemporaryDir dir;
    const QString base = dir.path();
    const SaidaCli init = executarCli({QStringLiteral("--home"), base, QStringLiteral("--dir"), base,
                                       QStringLiteral("init"), QStringLiteral("--demo")});
    ASSERT_EQ(init.codigo, 0) << init.err.toStdString();

    QHash<QString, QString> textos;
    for (const char *quadro : {"1", "2", "8", "11", "12", "13", "15", "15A"}) {
        const QString pdf = dir.filePath(QStringLiteral("q%1.pdf").arg(QLatin1String(quadro)));
        const SaidaCli s = executarCli({QStringLiteral("--home"), base, QStringLiteral("print"), QStringLiteral("--dir"),
                                        base, QStringLiteral("--operator"), QStringLiteral("34567-8"),
                                        QStringLiteral("--quadro"), QLatin1String(quadro), QStringLiteral("--period"),
                                        QStringLiteral("31/03/2007"), QStringLiteral("--pdf"), pdf});
        EXPECT_EQ(s.codigo, 0) << quadro << ": " << s.err.toStdString();
        EXPECT_TRUE(s.err.isEmpty()) << quadro << ": " << s.err.toStdString();
        const QStringList paginas = paginasPdf(pdf, true);
        ASSERT_FALSE(paginas.isEmpty()) << quadro;
        for (qsizetype i = 0; i < paginas.size(); ++i) {
            EXPECT_TRUE(paginas.at(i).contains(QStringLiteral("Operadora : 34567-8 - Saúde Exemplo"))) << quadro;
            EXPECT_TRUE(paginas.at(i).contains(QStringLiteral("Página %1 de %2").arg(i + 1).arg(paginas.size())))
                << quadro;
        }
        textos.insert(QLatin1String(quadro), paginas.join(u'\f'));
        const QString capturas = qEnvironmentVariable("KELPA_CAPTURAS");
        if (!capturas.isEmpty())
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
                               QDir(capturas).filePath(QStringLiteral("demo_q%1").arg(QLatin1String(quadro)))});
    }
    EXPECT_TRUE(textos.value(QStringLiteral("1")).contains(QStringLiteral("Região de Atuação")));
    for (const char *q : {"8", "11", "12", "13", "15", "15A"})
        EXPECT_TRUE(textos.value(QLatin1String(q)).contains(QStringLiteral("1º Trimestre de 2007"))) << q;

    // What the assets add up to, the liabilities do too.
    auto total = [&textos](const QString &quadro, const QString &rotulo) {
        const QString &t = textos.value(quadro);
        const qsizetype i = t.indexOf(rotulo);
        static const QRegularExpression valor(QStringLiteral(R"(-?\d{1,3}(\.\d{3})*,\d{2})"));
        const auto m = valor.match(t, i < 0 ? t.size() : i);
        return m.hasMatch() ? m.captured() : QString();
    };
    const QString ativo = total(QStringLiteral("11"), QStringLiteral("Total do Ativo"));
    EXPECT_FALSE(ativo.isEmpty());
    EXPECT_EQ(ativo, total(QStringLiteral("12"), QStringLiteral("Total do Passivo")));
}

} // namespace
