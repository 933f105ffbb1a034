// Quadros 5, 6 and 7 without a window: periods created with their header's values,
// copied and deleted with their rows; holders, companies and branches saved one at a
// time, a person at most once a period; shares kept and added up exactly.

#include "apoio/BancoTemporario.h"
#include "cadastro_apoio.h"

#include "quadros/cadastro/Acionistas.h"
#include "quadros/cadastro/CadastroPessoas.h"
#include "quadros/cadastro/Dependencias.h"
#include "quadros/cadastro/Participadas.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::contaLinhas;

namespace {

const QString kOper = QStringLiteral("345678");
const QDate k2005(2005, 1, 1);

class ParticipacoesTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '1999-06-15', 0)"));
        ana = pessoa(QStringLiteral("ANA PAULA REIS"), QStringLiteral("31854027662"), QStringLiteral("F"));
        holding = pessoa(QStringLiteral("HOLDING ÁGUIA S/A"), QStringLiteral("11222333000181"), QStringLiteral("J"));
        clinica = pessoa(QStringLiteral("CLÍNICA BOA VISTA LTDA"), QStringLiteral("45997418000153"), QStringLiteral("J"));
    }
    int pessoa(const QString &nome, const QString &documento, const QString &tipo)
    {
        DadosPessoa p;
        p.tipo = tipo;
        p.nome = nome;
        p.documento = documento;
        p.segundoNome = QStringLiteral("SEGUNDO NOME");
        return CadastroPessoas(banco.db(), kOper).Inclui(p);
    }
    QString valor(const QString &sql) const { return banco.escalar(sql).toString(); }

    BancoTemporario banco;
    int ana = 0;
    int holding = 0;
    int clinica = 0;
};

Participacao participacao(int idPsoa, qint64 quantidade, qint64 total = 0)
{
    Participacao p;
    p.idPsoa = idPsoa;
    p.quantidade = quantidade;
    p.totalEmpresa = total;
    p.redePropria = QStringLiteral("F");
    return p;
}

} // namespace

TEST_F(ParticipacoesTeste, TheFirstPeriodsStartIn2001WithTheirHeadersValues)
{
    Acionistas acionistas(banco.db(), kOper);
    Participadas participadas(banco.db(), kOper);
    Dependencias dependencias(banco.db(), kOper);
    EXPECT_EQ(acionistas.periodos().Periodos(), QList<QDate>{QDate(2001, 1, 1)});
    EXPECT_EQ(participadas.periodos().Periodos(), QList<QDate>{QDate(2001, 1, 1)});
    EXPECT_EQ(dependencias.periodos().Periodos(), QList<QDate>{QDate(2001, 1, 1)});
    EXPECT_EQ(valor("SELECT QT_TOTL_ACAO_OPER || '|' || LG_PULV || '|' || LG_ALTR_TRAM FROM QUADROPARTICIPACOES"), QStringLiteral("0.0|F|N"));
    EXPECT_EQ(valor("SELECT LG_PULV || '|' || LG_ALTR_TRAM FROM QUADROPARTICIPADAS"), QStringLiteral("F|N"));
    const CabecalhoAcionistas c = acionistas.Cabecalho(QDate(2001, 1, 1));
    ASSERT_TRUE(c.total.has_value());
    EXPECT_EQ(*c.total, 0);
    EXPECT_FALSE(c.pulverizado);
}

TEST_F(ParticipacoesTeste, HoldersAreSavedOnceAPeriodAndAddUpExactly)
{
    Acionistas acionistas(banco.db(), kOper);
    ASSERT_TRUE(acionistas.periodos().IncluiPeriodo(k2005));
    // Large whole numbers and tenths that a double sum would not keep.
    Participacao a = participacao(ana, 600000000000001);
    Participacao h = participacao(holding, 399999999999999);
    ASSERT_TRUE(acionistas.participacoes().Grava(k2005, a));
    ASSERT_TRUE(acionistas.participacoes().Grava(k2005, h));
    EXPECT_EQ(a.sequencia, 1);
    EXPECT_EQ(h.sequencia, 2);
    EXPECT_EQ(acionistas.participacoes().Soma(k2005), 1000000000000000);
    Participacao outra = participacao(ana, 5);
    EXPECT_FALSE(acionistas.participacoes().Grava(k2005, outra));
    EXPECT_EQ(contaLinhas(banco, "PARTICIPACOES", "ID_PSOA = " + QString::number(ana)), 1);

    acionistas.GravaCabecalho(k2005, {1000000000000000, false, {}});
    EXPECT_EQ(Acionistas::ConfereTotal(*acionistas.Cabecalho(k2005).total, acionistas.participacoes().Soma(k2005)),
              Acionistas::Conferencia::Igual);
    const QList<Participacao> lista = acionistas.participacoes().Lista(k2005, ParticipacoesPeriodo::Ordem::Nome);
    ASSERT_EQ(lista.size(), 2);
    EXPECT_EQ(lista.at(0).nome, QStringLiteral("ANA PAULA REIS"));
    EXPECT_EQ(lista.at(0).textoTipoPessoa(), QStringLiteral("FÍSICA"));
    EXPECT_EQ(lista.at(1).textoTipoPessoa(), QStringLiteral("JURÍDICA"));

    // A header or row saved after sending is marked changed.
    banco.sql(QStringLiteral("UPDATE PARTICIPACOES SET LG_ALTR_TRAM = 'T'"));
    banco.sql(QStringLiteral("UPDATE QUADROPARTICIPACOES SET LG_ALTR_TRAM = 'T'"));
    a.quantidade = 600000000000000;
    ASSERT_TRUE(acionistas.participacoes().Grava(k2005, a));
    acionistas.GravaCabecalho(k2005, {1000000000000000, false, {}}); // unchanged: stays transmitted
    EXPECT_EQ(valor("SELECT LG_ALTR_TRAM FROM QUADROPARTICIPACOES WHERE DT_INIC_VIGN = '2005-01-01'"), QStringLiteral("T"));
    acionistas.GravaCabecalho(k2005, {999999999999999, false, {}});
    EXPECT_EQ(valor("SELECT LG_ALTR_TRAM FROM QUADROPARTICIPACOES WHERE DT_INIC_VIGN = '2005-01-01'"), QStringLiteral("A"));
    EXPECT_EQ(valor(QStringLiteral("SELECT LG_ALTR_TRAM FROM PARTICIPACOES WHERE ID_PSOA = %1").arg(ana)), QStringLiteral("A"));
    EXPECT_EQ(Acionistas::ConfereTotal(999999999999999, acionistas.participacoes().Soma(k2005)), Acionistas::Conferencia::Igual);
}

TEST(Participacoes, PercentagesAndTotalsCompareAsWholeNumbers)
{
    struct Caso {
        qint64 parte;
        qint64 total;
        const char *texto;
    };
    const Caso casos[] = {{250, 1000, "25,00"}, {300, 1200, "25,00"}, {1, 3, "33,33"}, {2, 3, "66,67"}, {5, 0, "0,00"}, {0, 10, "0,00"},
                          {1000, 1000, "100,00"}};
    for (const Caso &c : casos)
        EXPECT_EQ(ParticipacoesPeriodo::Percentual(c.parte, c.total), QString::fromUtf8(c.texto)) << c.parte << "/" << c.total;
    EXPECT_EQ(Acionistas::ConfereTotal(1000, 1100), Acionistas::Conferencia::Maior);
    EXPECT_EQ(Acionistas::ConfereTotal(1000, 900), Acionistas::Conferencia::Menor);
    EXPECT_EQ(Acionistas::ConfereTotal(1000, 1000), Acionistas::Conferencia::Igual);
    EXPECT_EQ(ParticipacoesPeriodo::Quantidade(299.99999999), 300);
    EXPECT_TRUE(Acionistas::PerguntaPulverizado(QStringLiteral("MEGRP")));
    EXPECT_FALSE(Acionistas::PerguntaPulverizado(QStringLiteral("COOPM")));
    EXPECT_FALSE(Acionistas::PerguntaPulverizado(QStringLiteral("COOPO")));
}

TEST(Participadas, TheQuantitiesAreCheckedInTheDialogsOrder)
{
    EXPECT_EQ(Participadas::ItensFaltantes(true, std::nullopt, std::nullopt),
              (QStringList{QStringLiteral(">> Razão Social"), QStringLiteral(">> Quantidade de Ações/Quotas"),
                           QStringLiteral(">> Número Total de Ações/Quotas")}));
    EXPECT_TRUE(Participadas::ItensFaltantes(false, 0, 0).isEmpty());
    struct Caso {
        qint64 q;
        qint64 t;
        const char *inicio;
    };
    const Caso casos[] = {{0, 0, "Quantidade de Ações/Quotas e Nº Total"},
                          {0, 1200, "Quantidade de Ações/Quotas está com ZERO"},
                          {300, 0, "Quantidade de Ações/Quotas é diferente de ZERO"},
                          {1300, 1200, "A Quantidade de Ações/Quotas está MAIOR"},
                          {300, 1200, ""},
                          {1200, 1200, ""}};
    for (const Caso &c : casos) {
        const QString erro = Participadas::ErroQuantidades(c.q, c.t);
        EXPECT_TRUE(erro.isEmpty() ? *c.inicio == 0 : erro.startsWith(QString::fromUtf8(c.inicio)))
            << c.q << "/" << c.t << ": " << erro.toStdString();
    }
}

TEST_F(ParticipacoesTeste, CopiesKeepEveryRowWithFlagsNAndDeletingKeepsWhatWasSent)
{
    Acionistas acionistas(banco.db(), kOper);
    Participadas participadas(banco.db(), kOper);
    Dependencias dependencias(banco.db(), kOper);
    ASSERT_TRUE(acionistas.periodos().IncluiPeriodo(k2005));
    ASSERT_TRUE(participadas.periodos().IncluiPeriodo(k2005));
    ASSERT_TRUE(dependencias.periodos().IncluiPeriodo(k2005));
    Participacao a = participacao(ana, 600);
    ASSERT_TRUE(acionistas.participacoes().Grava(k2005, a));
    acionistas.GravaCabecalho(k2005, {1000, true, {}});
    Participacao c = participacao(clinica, 300, 1200);
    ASSERT_TRUE(participadas.participacoes().Grava(k2005, c));
    Dependencia d;
    d.idPsoa = clinica;
    d.tipo = 2;
    ASSERT_TRUE(dependencias.Grava(k2005, d, true));
    EXPECT_FALSE(dependencias.Grava(k2005, d, true));
    banco.sql(QStringLiteral("UPDATE PARTICIPACOES SET LG_ALTR_TRAM = 'T'"));
    banco.sql(QStringLiteral("UPDATE PARTICIPADAS SET LG_ALTR_TRAM = 'T'"));
    banco.sql(QStringLiteral("UPDATE DEPENDENCIAS SET LG_ALTR_TRAM = 'A', ID_PSOA_RESP = 9, LG_COMERCIALIZACAO_DEPE = 'T'"));

    const QDate k2006(2006, 7, 1);
    ASSERT_TRUE(acionistas.periodos().CopiaPeriodo(k2006));
    ASSERT_TRUE(participadas.periodos().CopiaPeriodo(k2006));
    ASSERT_TRUE(dependencias.periodos().CopiaPeriodo(k2006));
    EXPECT_EQ(valor("SELECT QT_TOTL_ACAO_OPER || '|' || LG_PULV || '|' || LG_ALTR_TRAM FROM QUADROPARTICIPACOES WHERE DT_INIC_VIGN = '2006-07-01'"),
              QStringLiteral("1000.0|T|N"));
    EXPECT_EQ(valor("SELECT NR_SEQL_PART || '|' || QT_ACAO || '|' || LG_REDE_PPIO || LG_ALTR_TRAM FROM PARTICIPACOES WHERE DT_INIC_VIGN = '2006-07-01'"),
              QStringLiteral("1|600.0|FN"));
    EXPECT_EQ(valor("SELECT NR_SEQL_PTPD || '|' || QT_ACAO || '|' || QT_TOTL_ACAO_PTPD || '|' || LG_ALTR_TRAM FROM PARTICIPADAS "
                    "WHERE DT_INIC_VIGN = '2006-07-01'"),
              QStringLiteral("1|300.0|1200.0|N"));
    EXPECT_EQ(valor("SELECT ID_TIPO_DPDC || '|' || ID_PSOA_RESP || '|' || LG_COMERCIALIZACAO_DEPE || '|' || LG_ALTR_TRAM FROM DEPENDENCIAS "
                    "WHERE DT_INIC_VIGN = '2006-07-01'"),
              QStringLiteral("2|9|T|N"));

    // An edit keeps the fields no window asks for; a person in charge who is gone becomes 0.
    std::optional<Dependencia> editada = dependencias.Carrega(k2006, clinica);
    ASSERT_TRUE(editada.has_value());
    EXPECT_EQ(editada->idResponsavel, 0);
    editada->tipo = 5;
    ASSERT_TRUE(dependencias.Grava(k2006, *editada, false));
    EXPECT_EQ(valor("SELECT ID_TIPO_DPDC || '|' || ID_PSOA_RESP || '|' || LG_COMERCIALIZACAO_DEPE FROM DEPENDENCIAS WHERE DT_INIC_VIGN = '2006-07-01'"),
              QStringLiteral("5|0|T"));

    // The copies go whole; the sent rows of 2005 keep their period.
    EXPECT_TRUE(acionistas.periodos().ExcluiPeriodo(k2006));
    EXPECT_FALSE(acionistas.periodos().ExcluiPeriodo(k2005));
    EXPECT_FALSE(participadas.periodos().ExcluiPeriodo(k2005));
    EXPECT_FALSE(dependencias.periodos().ExcluiPeriodo(k2005));
    EXPECT_EQ(contaLinhas(banco, "PARTICIPACOES", "DT_INIC_VIGN = '2005-01-01'"), 1);
}

TEST_F(ParticipacoesTeste, ATypedNameFindsTheFirstPersonOfItsKindIgnoringAccents)
{
    CadastroPessoas pessoas(banco.db(), kOper);
    EXPECT_EQ(pessoas.PrimeiraPorNome(QStringLiteral("clinica"), CadastroPessoas::FiltroTipo::Juridicas)->idPsoa, clinica);
    EXPECT_EQ(pessoas.PrimeiraPorNome(QStringLiteral("HOLDING AG"), CadastroPessoas::FiltroTipo::Ambas)->idPsoa, holding);
    // A natural person is not a company; a quote or a percent sign is just text.
    EXPECT_FALSE(pessoas.PrimeiraPorNome(QStringLiteral("ANA"), CadastroPessoas::FiltroTipo::Juridicas).has_value());
    EXPECT_FALSE(pessoas.PrimeiraPorNome(QStringLiteral("%' OR 1=1 --"), CadastroPessoas::FiltroTipo::Ambas).has_value());
    EXPECT_FALSE(pessoas.PrimeiraPorNome(QStringLiteral("   "), CadastroPessoas::FiltroTipo::Ambas).has_value());
}
