// The registers of financial assets and real estate without a window: sequence codes
// given per operator and per register inside the insert's transaction, never one that
// Quadro 14A still names; the kinds each custody may hold; the transmission state on
// saving again; no linked row deleted.

#include "apoio/BancoTemporario.h"
#include "cadastro_apoio.h"

#include "app/banco/ErroBanco.h"
#include "quadros/cadastro/Ativos.h"
#include "quadros/cadastro/Imoveis.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::contaLinhas;

namespace {

const QString kOper = QStringLiteral("345678");

class BensTeste : public ::testing::Test
{
protected:
    Ativo ativo(int custodia, const QString &codigo, const QString &bem)
    {
        Ativo a;
        a.custodia = custodia;
        a.codigo = codigo;
        a.bem = bem;
        return a;
    }
    Imovel imovel(const QString &rgi)
    {
        Imovel i;
        i.rgi = rgi;
        i.cep = QStringLiteral("13010100");
        i.bem = QStringLiteral("3001");
        i.municipio = {3509502, QStringLiteral("Campinas"), QStringLiteral("SP")};
        return i;
    }
    QString valor(const QString &sql) const { return banco.escalar(sql).toString(); }
    void vincula(const QString &sequencia)
    {
        banco.sql(QStringLiteral("INSERT INTO ATIVOS_VINCULADOS (CD_OPER, DT_INIC_VIGN, CD_SEQ_ATIVO, CD_CENTRAL_CUSTODIA, LG_ALTR_TRAM) "
                                 "VALUES ('345678', '2006-10-01', '%1', 1, 'N')")
                      .arg(sequencia));
    }

    BancoTemporario banco;
    Ativos ativos{banco.db(), kOper};
    Imoveis imoveis{banco.db(), kOper};
};

} // namespace

TEST_F(BensTeste, SequenceCodesStartAtOneAndFollowTheHighestPerRegisterAndOperator)
{
    Ativo primeiro = ativo(1, QStringLiteral("ltn 2008"), QStringLiteral("1001"));
    ativos.Grava(primeiro);
    EXPECT_EQ(primeiro.sequencia, QStringLiteral("A000000001"));
    EXPECT_EQ(valor(QStringLiteral("SELECT CD_ATIVO || '/' || LG_ALTR_TRAM FROM ATIVOS WHERE CD_SEQ_ATIVO = 'A000000001'")),
              QStringLiteral("LTN 2008/N"));

    banco.sql(QStringLiteral("INSERT INTO ATIVOS (CD_SEQ_ATIVO, CD_OPER, CD_ATIVO, CD_CENTRAL_CUSTODIA, CD_BEM, LG_ALTR_TRAM) "
                             "VALUES ('A000000041', '345678', 'X', 1, '1001', 'T')"));
    // Another operator's codes do not count.
    banco.sql(QStringLiteral("INSERT INTO ATIVOS (CD_SEQ_ATIVO, CD_OPER, CD_ATIVO, CD_CENTRAL_CUSTODIA, CD_BEM, LG_ALTR_TRAM) "
                             "VALUES ('A000000900', '999999', 'Y', 1, '1001', 'N')"));
    Ativo seguinte = ativo(2, QStringLiteral("CDB"), QStringLiteral("1007"));
    ativos.Grava(seguinte);
    EXPECT_EQ(seguinte.sequencia, QStringLiteral("A000000042"));

    Imovel sede = imovel(QStringLiteral("12345"));
    imoveis.Grava(sede);
    EXPECT_EQ(sede.sequencia, QStringLiteral("I000000001"));
    Imovel clinica = imovel(QStringLiteral("777"));
    imoveis.Grava(clinica);
    EXPECT_EQ(clinica.sequencia, QStringLiteral("I000000002"));
    EXPECT_EQ(valor(QStringLiteral("SELECT CD_CENTRAL_CUSTODIA || '/' || ID_MUNC || '/' || LG_REDE_PROPRIA FROM IMOVEIS "
                                   "WHERE CD_SEQ_ATIVO = 'I000000002'")),
              QStringLiteral("0/3509502/N"));
}

TEST_F(BensTeste, ACodeQuadroFourteenAStillNamesIsNeverGivenAgain)
{
    Ativo a = ativo(1, QStringLiteral("A1"), QStringLiteral("1001"));
    ativos.Grava(a);
    vincula(QStringLiteral("A000000005"));
    Ativo b = ativo(1, QStringLiteral("A2"), QStringLiteral("1001"));
    ativos.Grava(b);
    EXPECT_EQ(b.sequencia, QStringLiteral("A000000006"));
    EXPECT_EQ(contaLinhas(banco, QStringLiteral("ATIVOS"), QStringLiteral("CD_OPER = '345678'")), 2);
}

TEST_F(BensTeste, AFailedInsertStoresNothingAndTheNextTakesTheSameFreeCode)
{
    banco.sql(QStringLiteral("CREATE TRIGGER RECUSA BEFORE INSERT ON ATIVOS WHEN NEW.CD_ATIVO = 'FALHA' "
                             "BEGIN SELECT RAISE(ABORT, 'recusado'); END"));
    Ativo falha = ativo(1, QStringLiteral("FALHA"), QStringLiteral("1001"));
    EXPECT_THROW(ativos.Grava(falha), ErroBanco);
    EXPECT_TRUE(falha.sequencia.isEmpty());
    EXPECT_EQ(contaLinhas(banco, QStringLiteral("ATIVOS"), QStringLiteral("1 = 1")), 0);
    Ativo certo = ativo(1, QStringLiteral("CERTO"), QStringLiteral("1001"));
    ativos.Grava(certo);
    EXPECT_EQ(certo.sequencia, QStringLiteral("A000000001"));
}

TEST_F(BensTeste, SavingATransmittedRowAgainMarksItChanged)
{
    Imovel i = imovel(QStringLiteral("555"));
    imoveis.Grava(i);
    banco.sql(QStringLiteral("UPDATE IMOVEIS SET LG_ALTR_TRAM = 'T'"));
    auto lido = imoveis.Carrega(i.sequencia);
    ASSERT_TRUE(lido);
    EXPECT_EQ(lido->municipio.nome, QStringLiteral("Campinas"));
    lido->area = 1234.5;
    imoveis.Grava(*lido);
    EXPECT_EQ(valor(QStringLiteral("SELECT LG_ALTR_TRAM || '/' || MD_METRAGEM FROM IMOVEIS")), QStringLiteral("A/1234.5"));
    EXPECT_EQ(lido->sequencia, i.sequencia);

    Ativo a = ativo(4, QStringLiteral("FUNDO"), QStringLiteral("1020"));
    a.indexador = QStringLiteral("pós");
    ativos.Grava(a);
    EXPECT_EQ(valor(QStringLiteral("SELECT TP_INDEXADOR || '/' || LG_ALTR_TRAM FROM ATIVOS")), QStringLiteral("PÓS/N"));
    // Saving an untransmitted row again keeps it untransmitted; another custody has no kind of yield.
    a.custodia = 1;
    ativos.Grava(a);
    EXPECT_EQ(valor(QStringLiteral("SELECT COALESCE(TP_INDEXADOR, '-') || '/' || LG_ALTR_TRAM FROM ATIVOS")), QStringLiteral("-/N"));
}

TEST_F(BensTeste, ARowDeletedByAnotherStationIsNotWrittenBack)
{
    Ativo a = ativo(1, QStringLiteral("A1"), QStringLiteral("1001"));
    ativos.Grava(a);
    banco.sql(QStringLiteral("DELETE FROM ATIVOS"));
    EXPECT_THROW(ativos.Grava(a), ErroBanco);
    EXPECT_EQ(contaLinhas(banco, QStringLiteral("ATIVOS"), QStringLiteral("1 = 1")), 0);
}

TEST_F(BensTeste, LinkedRowsCannotBeDeletedInAnyQuarter)
{
    Ativo a = ativo(1, QStringLiteral("A1"), QStringLiteral("1001"));
    ativos.Grava(a);
    Imovel i = imovel(QStringLiteral("1"));
    imoveis.Grava(i);
    vincula(a.sequencia);
    EXPECT_TRUE(ativos.Vinculado(a.sequencia));
    EXPECT_FALSE(ativos.Exclui(a.sequencia));
    EXPECT_EQ(contaLinhas(banco, QStringLiteral("ATIVOS"), QStringLiteral("1 = 1")), 1);
    EXPECT_FALSE(imoveis.Vinculado(i.sequencia));
    EXPECT_TRUE(imoveis.Exclui(i.sequencia));
    EXPECT_EQ(contaLinhas(banco, QStringLiteral("IMOVEIS"), QStringLiteral("1 = 1")), 0);
}

TEST_F(BensTeste, EachCustodyOffersItsKindsByName)
{
    auto grupos = [this](int custodia) {
        QSet<QString> g;
        for (const TipoBem &t : ativos.TiposDaCustodia(custodia))
            g << valor(QStringLiteral("SELECT CD_INDICADOR FROM TB_BEMCODIGO WHERE CD_BEM = '%1'").arg(t.codigo));
        return g;
    };
    EXPECT_EQ(grupos(1), (QSet<QString>{QStringLiteral("C"), QStringLiteral("X")}));
    EXPECT_EQ(grupos(2), (QSet<QString>{QStringLiteral("S"), QStringLiteral("X")}));
    EXPECT_EQ(grupos(3), (QSet<QString>{QStringLiteral("B")}));
    EXPECT_FALSE(grupos(4).contains(QStringLiteral("I")));
    EXPECT_TRUE(grupos(4).contains(QStringLiteral("O")));
    EXPECT_TRUE(grupos(0).contains(QStringLiteral("I")));
    const QList<TipoBem> tipos = ativos.TiposDaCustodia(3);
    for (int k = 1; k < tipos.size(); ++k)
        EXPECT_LE(tipos.at(k - 1).nome, tipos.at(k).nome);
    EXPECT_EQ(tipos.first().texto(), QStringLiteral("1018 - Quotas de fundos de investimento financeiro"));
    EXPECT_EQ(TipoBem({QStringLiteral("15"), QStringLiteral("Nome")}).texto(), QStringLiteral("  15 - Nome"));
    for (const TipoBem &t : imoveis.TiposImovel())
        EXPECT_EQ(valor(QStringLiteral("SELECT CD_INDICADOR FROM TB_BEMCODIGO WHERE CD_BEM = '%1'").arg(t.codigo)), QStringLiteral("I"));
    EXPECT_FALSE(imoveis.TiposImovel().isEmpty());
}

TEST_F(BensTeste, ChecksNameTheFirstThingMissing)
{
    EXPECT_EQ(Ativos::Erro(ativo(0, QStringLiteral("X"), QStringLiteral("1001"))), QStringLiteral("Selecione uma Custódia"));
    EXPECT_EQ(Ativos::Erro(ativo(1, QStringLiteral(" "), QStringLiteral("1001"))), QStringLiteral("Digite o código do ativo"));
    EXPECT_EQ(Ativos::Erro(ativo(1, QStringLiteral("X"), QString())), QStringLiteral("Selecione um Código de Bem"));
    EXPECT_EQ(Ativos::Erro(ativo(1, QStringLiteral("X"), QStringLiteral("1001"))), QString());
    Imovel i = imovel(QStringLiteral("1"));
    i.cep = QStringLiteral("1301010");
    EXPECT_EQ(Imoveis::Erro(i), QStringLiteral("Informe o CEP do Imóvel com 8 dígitos."));
    i.cep = QStringLiteral("13010100");
    i.rgi.clear();
    EXPECT_EQ(Imoveis::Erro(i), QStringLiteral("Digite o RGI."));
    i.rgi = QStringLiteral("1");
    i.bem.clear();
    EXPECT_EQ(Imoveis::Erro(i), QStringLiteral("Selecione o código do bem."));
}

TEST_F(BensTeste, ATypedMunicipalityNameIsFoundWholeOrByItsBeginning)
{
    EXPECT_EQ(Municipios::PorNome(banco.db(), QStringLiteral("campinas"))->id, 3509502);
    const auto comeco = Municipios::PorNome(banco.db(), QStringLiteral("Campina"));
    ASSERT_TRUE(comeco);
    EXPECT_TRUE(comeco->nome.startsWith(QStringLiteral("Campina")));
    EXPECT_FALSE(Municipios::PorNome(banco.db(), QStringLiteral("Xyzópolis")));
}
