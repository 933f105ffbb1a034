// Quadro 1: the first-period setup, completeness, new and copied periods, deletion and
// failed saves.

#include "apoio/BancoTemporario.h"
#include "cadastro_apoio.h"

#include "app/ServicosOperadora.h"
#include "app/banco/ErroBanco.h"
#include "quadros/cadastro/CadastroComplementar.h"
#include "quadros/cadastro/RegiaoAtuacao.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::contaLinhas;
using kelpa::teste::preencheCadastro;
using kelpa::teste::registraOperadora;

namespace {
const QString kOper = QStringLiteral("345678");

QString linha(const BancoTemporario &banco, const QString &sql)
{
    return banco.escalar(sql).toString();
}
} // namespace

TEST(CadastroComplementar, FirstPeriodSetsUpTheOperatorsQuadrosAndFirstQuarter)
{
    BancoTemporario banco;
    banco.sql("INSERT INTO LISTAOPERADORAS VALUES ('399001', '2000-03-15', 'Primeira Ltda.', '48273165000163', 'Primeira', 'SCOTA', 'MEGRP')");
    banco.sql("INSERT INTO LISTAOPERADORAS VALUES ('399002', '2006-08-20', 'Segunda Ltda.', '12038459000163', 'Segunda', 'SCOOP', 'COOPM')");
    const struct {
        const char *codigo;
        QDate primeiro;
        QDate trimestre;
        const char *classificacao; // natureza/modalidade/sociedade/segmentacao
    } casos[] = {
        {"399001", QDate(2001, 1, 1), QDate(2001, 1, 1), "SCOTA/MEGRP/C/SPP"},
        {"399002", QDate(2006, 8, 20), QDate(2006, 7, 1), "SCOOP/COOPM/S/SPP"},
        {"001234", QDate(2007, 1, 1), QDate(2007, 1, 1), "SOCIA/SES/C/SEM"}, // an insurer
    };
    for (const auto &c : casos) {
        const QString cod = QString::fromLatin1(c.codigo);
        registraOperadora(banco, cod);
        CadastroComplementar cadastro(banco.db(), cod);
        EXPECT_EQ(cadastro.Periodos(), QList<QDate>{c.primeiro}) << c.codigo;
        const QString chave = QStringLiteral("CD_OPER = '%1' AND DT_INIC_VIGN = '%2'").arg(cod, c.primeiro.toString(Qt::ISODate));
        EXPECT_EQ(linha(banco, QStringLiteral("SELECT CD_NATZ_JURD || '/' || CD_MODL || '/' || CD_SOCI || '/' || CD_SUBM || LG_ALTR_TRAM "
                                              "|| LG_COMERCIALIZACAO_SEDE FROM CADASTRO WHERE ID_PSOA = 0 AND ") + chave),
                  QString::fromLatin1(c.classificacao) + QStringLiteral("NF"));
        for (const char *tabela : {"DADOSBASICOS", "QUADROADMINISTRADORES", "DIRETORRELACOES", "QUADROPARTICIPACOES",
                                   "QUADROPARTICIPADAS", "QUADRODEPENDENCIAS"})
            EXPECT_EQ(contaLinhas(banco, tabela, chave + QStringLiteral(" AND LG_ALTR_TRAM = 'N'")), 1) << tabela << " " << c.codigo;
        const QString trimestre = QStringLiteral("CD_OPER = '%1' AND DT_INIC_VIGN = '%2'").arg(cod, c.trimestre.toString(Qt::ISODate));
        EXPECT_EQ(contaLinhas(banco, "QUADRORECEITASDESPESASUF", trimestre), 1) << c.codigo;
        EXPECT_EQ(contaLinhas(banco, "ATIVOS_VINCULADOS", trimestre + QStringLiteral(" AND CD_SEQ_ATIVO = '9999999999'")), 1) << c.codigo;
        EXPECT_EQ(contaLinhas(banco, "DADOSPESSOAS", chave + QStringLiteral(" AND ID_PSOA = 0")), 1) << c.codigo;

        // Opening again creates nothing more.
        EXPECT_EQ(cadastro.Periodos().size(), 1);
        EXPECT_EQ(contaLinhas(banco, "QUADRORECEITASDESPESASUF", QStringLiteral("CD_OPER = '%1'").arg(cod)), 1);
        EXPECT_EQ(contaLinhas(banco, "CADASTRO", QStringLiteral("CD_OPER = '%1'").arg(cod)), 1);
    }
}

TEST(CadastroComplementar, CompleteOnlyWhenEveryFieldIsFilled)
{
    BancoTemporario banco;
    registraOperadora(banco, kOper);
    CadastroComplementar cadastro(banco.db(), kOper);
    const QDate periodo = cadastro.Periodos().first();
    ServicosOperadora servicos(banco.db(), kOper);
    EXPECT_FALSE(servicos.CadastroCompleto());

    const PeriodoCadastro vazio = cadastro.Carrega(periodo);
    EXPECT_EQ(CadastroComplementar::ItensFaltantes(vazio, false),
              (QStringList{">> Endereço da Matriz, Logradouro", ">> Endereço da Matriz, Nº", ">> Endereço da Matriz, Bairro",
                           ">> Endereço da Matriz, CEP", ">> Endereço da Matriz, Município", ">> Telefone(s)", ">> E-mail da Operadora",
                           ">> Endereço Correspondência, Logradouro", ">> Endereço Correspondência, Nº",
                           ">> Endereço Correspondência, Bairro", ">> Endereço Correspondência, CEP",
                           ">> Endereço Correspondência, Município"}));

    PeriodoCadastro p = preencheCadastro(banco, cadastro, kOper, periodo);
    EXPECT_TRUE(CadastroComplementar::ItensFaltantes(p, false).isEmpty());
    EXPECT_FALSE(CadastroComplementar::ErroValores(p).has_value());
    cadastro.Grava(p);
    // 2001: no region is asked, and "none" is stored so that the quadro is complete.
    EXPECT_EQ(banco.escalar("SELECT CD_REG_ATUACAO FROM DADOSPESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 0").toInt(), 0);
    QDate ultimo;
    EXPECT_TRUE(servicos.CadastroCompleto(&ultimo));
    EXPECT_EQ(ultimo, periodo);

    const PeriodoCadastro lido = cadastro.Carrega(periodo);
    EXPECT_EQ(lido.matriz.nomeMunicipio, QStringLiteral("São Paulo"));
    EXPECT_EQ(lido.correspondencia.uf, QStringLiteral("SP"));
    EXPECT_EQ(lido.descricaoNatureza, QStringLiteral("Sociedade por Quotas de Responsabilidade Limitada"));
    EXPECT_EQ(lido.nomeModalidade, QStringLiteral("Medicina de Grupo"));

    // Emptying one field makes it incomplete again.
    p.correspondencia.idMunc = 0;
    cadastro.Grava(p);
    EXPECT_FALSE(servicos.CadastroCompleto());
}

TEST(CadastroComplementar, RegionRulesByPeriodAndOperator)
{
    const struct {
        QDate periodo;
        const char *modalidade;
        const char *submodalidade;
        bool planos;
        bool habilitada;
    } casos[] = {
        {QDate(2005, 1, 1), "MEGRP", "SPP", true, true},   {QDate(2004, 12, 31), "MEGRP", "SPP", true, false},
        {QDate(2006, 1, 1), "AUTOG", "NPATR", true, true}, {QDate(2006, 1, 1), "AUTOG", "PATRS", true, false},
        {QDate(2006, 1, 1), "AUTOG", "MANTI", true, false}, {QDate(2007, 1, 1), "SES", "SEM", false, false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(CadastroComplementar::RegiaoHabilitada(c.periodo, QLatin1String(c.modalidade), QLatin1String(c.submodalidade), c.planos),
                  c.habilitada)
            << c.modalidade << " " << c.submodalidade << " " << c.periodo.toString(Qt::ISODate).toStdString();

    PeriodoCadastro p;
    p.periodo = QDate(2006, 1, 1);
    p.submodalidade = QStringLiteral("SPP");
    EXPECT_TRUE(CadastroComplementar::ItensFaltantes(p, true).contains(QStringLiteral(">> Região de Atuação")));
    EXPECT_FALSE(CadastroComplementar::ItensFaltantes(p, false).contains(QStringLiteral(">> Região de Atuação")));
    p.regiao = 0;
    EXPECT_FALSE(CadastroComplementar::ItensFaltantes(p, true).contains(QStringLiteral(">> Região de Atuação")));
    p.submodalidade.clear();
    EXPECT_EQ(CadastroComplementar::ItensFaltantes(p, true).last(), QStringLiteral(">> Segmentação"));
}

TEST(CadastroComplementar, ValueChecksTellTheLastWrongValue)
{
    PeriodoCadastro p;
    p.matriz.cep = QStringLiteral("01001000");
    p.correspondencia.cep = QStringLiteral("01001000");
    p.email = QStringLiteral("a@b.com");
    EXPECT_FALSE(CadastroComplementar::ErroValores(p).has_value());
    using C = CadastroComplementar::Campo;
    const struct {
        const char *matriz;
        const char *correspondencia;
        const char *email;
        C campo;
        const char *mensagem;
    } casos[] = {
        {"0100100", "01001000", "a@b.com", C::CepMatriz, "Informe o CEP do Endereço da Matriz com 8 dígitos."},
        {"01001000", "0100 100", "a@b.com", C::CepCorrespondencia, "Informe o CEP do Endereço para Correspondência com 8 dígitos."},
        {"0100100", "0100100", "a@b.com", C::CepMatriz, "Informe o CEP do Endereço da Matriz com 8 dígitos."},
        {"0100100", "01001000", "ab.com", C::Email, "E-mail inválido."},
    };
    for (const auto &c : casos) {
        p.matriz.cep = QLatin1String(c.matriz);
        p.correspondencia.cep = QLatin1String(c.correspondencia);
        p.email = QLatin1String(c.email);
        const auto erro = CadastroComplementar::ErroValores(p);
        ASSERT_TRUE(erro.has_value()) << c.mensagem;
        EXPECT_EQ(erro->campo, c.campo);
        EXPECT_EQ(erro->mensagem, QString::fromUtf8(c.mensagem));
    }
}

class PeriodosCadastro : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registraOperadora(banco, kOper);
        registraOperadora(banco, QStringLiteral("312345"));
        primeiro = cadastro.Periodos().first();
        PeriodoCadastro p = preencheCadastro(banco, cadastro, kOper, primeiro);
        p.faxCodigo = QStringLiteral("11");
        p.faxNumero = QStringLiteral("30001001");
        p.municipiosAtuacao = QList<Municipio>{*Municipios::PorCodigo(banco.db(), 3550308)};
        cadastro.Grava(p);
    }
    BancoTemporario banco;
    CadastroComplementar cadastro{banco.db(), kOper};
    QDate primeiro;
};

TEST_F(PeriodosCadastro, CopyTakesTheOperatorsOwnPreviousPeriod)
{
    // Later details rows of another person and of another operator must not be taken for the source.
    banco.sql("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, NM_PSOA) VALUES ('345678', '2004-06-01', 7, 'F', 'OUTRA')");
    banco.sql("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, NM_PSOA) VALUES ('312345', '2004-07-01', 0, 'J', 'COOP')");

    ASSERT_TRUE(cadastro.CopiaPeriodo(QDate(2004, 9, 1), QStringLiteral("SPP")));
    const PeriodoCadastro copia = cadastro.Carrega(QDate(2004, 9, 1));
    EXPECT_TRUE(copia.existe);
    EXPECT_EQ(copia.matriz.logradouro, QStringLiteral("RUA AUGUSTA"));
    EXPECT_EQ(copia.correspondencia.idMunc, 3509502);
    EXPECT_EQ(copia.email, QStringLiteral("contato@exemplo.com.br"));
    EXPECT_EQ(copia.submodalidade, QStringLiteral("SPP"));
    EXPECT_EQ(copia.telefones.size(), 1);
    EXPECT_EQ(copia.faxNumero, QStringLiteral("30001001"));
    EXPECT_EQ(contaLinhas(banco, "TELEFONESPESSOAS", "DT_INIC_VIGN = '2004-09-01' AND ID_PSOA = 0 AND LG_ALTR_TRAM = 'N'"), 2);
    EXPECT_EQ(contaLinhas(banco, "CADASTRO", "DT_INIC_VIGN = '2004-09-01' AND LG_ALTR_TRAM = 'N' AND LG_COMERCIALIZACAO_SEDE = 'F'"), 1);
    // Municipalities of operation are copied only into a period after 2004.
    EXPECT_EQ(contaLinhas(banco, "RL_MUNICIPIO_ATUACAO_OPERADORA", "DT_INIC_VIGN = '2004-09-01'"), 0);
    // The source is untouched.
    EXPECT_EQ(cadastro.Carrega(primeiro).matriz.logradouro, QStringLiteral("RUA AUGUSTA"));
    EXPECT_FALSE(cadastro.CopiaPeriodo(QDate(2004, 9, 1), QStringLiteral("SPP")));
}

TEST_F(PeriodosCadastro, FromTwoThousandFiveTheOfficialListDecidesNameAndModality)
{
    banco.sql("UPDATE LISTAOPERADORAS SET NM_PSOA = 'Saúde Exemplo S.A.', NM_FANT = 'Exemplo Saúde', CD_NATZ_JURD = 'SOCIA' "
              "WHERE CD_OPER = '345678'");
    ASSERT_TRUE(cadastro.CopiaPeriodo(QDate(2005, 3, 1), QStringLiteral("SSP")));
    const PeriodoCadastro p = cadastro.Carrega(QDate(2005, 3, 1));
    EXPECT_EQ(p.nome, QStringLiteral("Saúde Exemplo S.A."));
    EXPECT_EQ(p.nomeFantasia, QStringLiteral("Exemplo Saúde"));
    EXPECT_EQ(p.natureza, QStringLiteral("SOCIA"));
    EXPECT_EQ(p.submodalidade, QStringLiteral("SSP")); // the segmentation on screen, allowed for the modality
    EXPECT_EQ(linha(banco, "SELECT NM_PSOA || LG_ALTR_TRAM FROM PESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 0"),
              QStringLiteral("Saúde Exemplo S.A.A"));
    EXPECT_EQ(contaLinhas(banco, "RL_MUNICIPIO_ATUACAO_OPERADORA", "DT_INIC_VIGN = '2005-03-01' AND ID_MUNC = 3550308 AND LG_ALTR_TRAM = 'N'"), 1);

    // A segmentation the modality does not allow falls back to the first by name.
    ASSERT_TRUE(cadastro.CopiaPeriodo(QDate(2006, 1, 1), QStringLiteral("ADMPL")));
    EXPECT_EQ(cadastro.Carrega(QDate(2006, 1, 1)).submodalidade, QStringLiteral("SPP"));
    EXPECT_EQ(cadastro.Periodos(), (QList<QDate>{QDate(2006, 1, 1), QDate(2005, 3, 1), primeiro}));
}

TEST_F(PeriodosCadastro, NewPeriodStartsEmptyAndOldPeriodsLoseTheirRegion)
{
    EXPECT_FALSE(cadastro.IncluiPeriodo(primeiro));
    ASSERT_TRUE(cadastro.IncluiPeriodo(QDate(2002, 6, 1)));
    PeriodoCadastro p = cadastro.Carrega(QDate(2002, 6, 1));
    EXPECT_TRUE(p.existe);
    EXPECT_EQ(p.nome, QStringLiteral("Saúde Exemplo Assistência Médica Ltda."));
    EXPECT_EQ(p.modalidade, QStringLiteral("MEGRP"));
    EXPECT_EQ(p.submodalidade, QStringLiteral("SPP"));
    EXPECT_TRUE(p.matriz.logradouro.isEmpty());
    EXPECT_TRUE(p.telefones.isEmpty());

    banco.sql("UPDATE DADOSPESSOAS SET CD_REG_ATUACAO = 3 WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2002-06-01'");
    EXPECT_EQ(cadastro.Carrega(QDate(2002, 6, 1)).regiao, 0);
    EXPECT_EQ(banco.escalar("SELECT CD_REG_ATUACAO FROM DADOSPESSOAS WHERE DT_INIC_VIGN = '2002-06-01' AND ID_PSOA = 0").toInt(), 0);
    // From 2003 on a stored region stays.
    ASSERT_TRUE(cadastro.IncluiPeriodo(QDate(2003, 1, 1)));
    banco.sql("UPDATE DADOSPESSOAS SET CD_REG_ATUACAO = 3 WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2003-01-01'");
    EXPECT_EQ(cadastro.Carrega(QDate(2003, 1, 1)).regiao, 3);
}

TEST_F(PeriodosCadastro, DeletingAPeriodTakesItsMunicipalitiesOfOperation)
{
    ASSERT_TRUE(cadastro.CopiaPeriodo(QDate(2006, 1, 1), QStringLiteral("SPP")));
    ASSERT_EQ(contaLinhas(banco, "RL_MUNICIPIO_ATUACAO_OPERADORA", "DT_INIC_VIGN = '2006-01-01'"), 1);
    banco.sql("UPDATE TELEFONESPESSOAS SET LG_ALTR_TRAM = 'T' WHERE DT_INIC_VIGN = '2006-01-01'");
    cadastro.ExcluiPeriodo(QDate(2006, 1, 1));
    for (const char *tabela : {"TELEFONESPESSOAS", "DADOSPESSOAS", "CADASTRO", "RL_MUNICIPIO_ATUACAO_OPERADORA"}) {
        EXPECT_EQ(contaLinhas(banco, tabela, "CD_OPER = '345678' AND DT_INIC_VIGN = '2006-01-01'"), 0) << tabela;
        EXPECT_GE(contaLinhas(banco, tabela, "CD_OPER = '345678' AND DT_INIC_VIGN = '2001-01-01'"), 1) << tabela;
    }
}

TEST_F(PeriodosCadastro, AFailedSaveLeavesTheDatabaseAsItWas)
{
    ASSERT_TRUE(cadastro.CopiaPeriodo(QDate(2006, 1, 1), QStringLiteral("SPP")));
    banco.sql("CREATE TRIGGER recusa BEFORE INSERT ON RL_MUNICIPIO_ATUACAO_OPERADORA BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
    PeriodoCadastro p = cadastro.Carrega(QDate(2006, 1, 1));
    p.matriz.logradouro = QStringLiteral("RUA NOVA");
    p.submodalidade = QStringLiteral("SSP");
    p.faxNumero.clear();
    p.faxCodigo.clear();
    p.municipiosAtuacao = QList<Municipio>{*Municipios::PorCodigo(banco.db(), 3304557)};
    p.regiao = 4;
    EXPECT_THROW(cadastro.Grava(p), ErroBanco);
    const PeriodoCadastro depois = cadastro.Carrega(QDate(2006, 1, 1));
    EXPECT_EQ(depois.matriz.logradouro, QStringLiteral("RUA AUGUSTA"));
    EXPECT_EQ(depois.submodalidade, QStringLiteral("SPP"));
    EXPECT_EQ(depois.faxNumero, QStringLiteral("30001001"));
    EXPECT_EQ(RegiaoAtuacao::Carrega(banco.db(), kOper, QDate(2006, 1, 1)).first().id, 3550308);

    // Without the fault, clearing the fax removes it and the new list is stored.
    banco.sql("DROP TRIGGER recusa");
    cadastro.Grava(p);
    const PeriodoCadastro gravado = cadastro.Carrega(QDate(2006, 1, 1));
    EXPECT_TRUE(gravado.faxNumero.isEmpty());
    EXPECT_EQ(gravado.regiao, 4);
    EXPECT_EQ(RegiaoAtuacao::Carrega(banco.db(), kOper, QDate(2006, 1, 1)).first().id, 3304557);
}
