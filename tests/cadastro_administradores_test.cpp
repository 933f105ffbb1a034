// Quadros 3 and 4 without a window: periods created, copied and deleted with their
// rows, administrators' offices and the technical officer, the representative.

#include "apoio/BancoTemporario.h"
#include "cadastro_apoio.h"

#include "app/banco/ErroBanco.h"
#include "quadros/cadastro/Administradores.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/cadastro/CadastroPessoas.h"
#include "quadros/cadastro/PeriodosQuadroCadastro.h"
#include "quadros/cadastro/Representante.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::contaLinhas;

namespace {

const QString kOper = QStringLiteral("345678");
const QDate k2005(2005, 1, 1);
const QDate k2006(2006, 7, 1);

int incluiPessoa(const BancoTemporario &banco, const QString &nome, const QString &cpf, const QString &tipo = QStringLiteral("F"))
{
    DadosPessoa p;
    p.tipo = tipo;
    p.nome = nome;
    p.documento = cpf;
    p.segundoNome = QStringLiteral("MÃE DE ") + nome;
    return CadastroPessoas(banco.db(), kOper).Inclui(p);
}

Administrador oficio(int idPsoa, const QString &cargo, const QDate &inicio)
{
    Administrador a;
    a.idPsoa = idPsoa;
    a.cargo = cargo;
    a.inicioMandato = inicio;
    return a;
}

class AdministradoresTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '2003-06-15', 0)"));
        ana = incluiPessoa(banco, QStringLiteral("ANA PAULA REIS"), QStringLiteral("31854027662"));
        bruno = incluiPessoa(banco, QStringLiteral("BRUNO REIS"), QStringLiteral("52791360425"));
        ASSERT_EQ(adm.periodos().Periodos(), QList<QDate>{QDate(2003, 6, 15)});
        ASSERT_TRUE(adm.periodos().IncluiPeriodo(k2005));
    }
    QString valor(const QString &sql) const { return banco.escalar(sql).toString(); }

    BancoTemporario banco;
    Administradores adm{banco.db(), kOper};
    int ana = 0;
    int bruno = 0;
};

} // namespace

TEST(PeriodosQuadroCadastro, FirstPeriodStartsWithTheRegistrationButNotBefore2001)
{
    const struct {
        const char *cadastro;
        QDate esperado;
    } casos[] = {{"1999-06-15", QDate(2001, 1, 1)}, {"2003-06-15", QDate(2003, 6, 15)}, {nullptr, QDate()}};
    for (const auto &caso : casos) {
        BancoTemporario banco;
        if (caso.cadastro)
            banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '%1', 0)")
                          .arg(QLatin1String(caso.cadastro)));
        for (const TabelasPeriodo &tabelas : {Administradores::tabelas(), Representante::tabelas()}) {
            PeriodosQuadroCadastro periodos(banco.db(), kOper, tabelas);
            const QList<QDate> esperado = caso.esperado.isValid() ? QList<QDate>{caso.esperado} : QList<QDate>{};
            EXPECT_EQ(periodos.Periodos(), esperado) << tabelas.cabecalho.toStdString();
            EXPECT_EQ(contaLinhas(banco, tabelas.cabecalho, QStringLiteral("LG_ALTR_TRAM = 'N'")), esperado.size());
        }
    }
}

TEST_F(AdministradoresTeste, TwoOfficesOfOnePersonGetTheNextSequencesAndBothAreListed)
{
    adm.Grava(k2005, oficio(ana, QStringLiteral("diretora"), QDate(2004, 1, 1)), true);
    const Administrador segundo = adm.Grava(k2005, oficio(ana, QStringLiteral("conselheira"), QDate(2004, 2, 1)), true);
    adm.Grava(k2005, oficio(bruno, QStringLiteral("diretor"), QDate(2004, 3, 1)), true);
    EXPECT_EQ(segundo.sequencia, 2);
    const QList<Administrador> lista = adm.Lista(k2005, Administradores::Coluna::Cargo);
    ASSERT_EQ(lista.size(), 3);
    EXPECT_EQ(lista.at(0).cargo, QStringLiteral("CONSELHEIRA"));
    EXPECT_EQ(lista.at(0).sequencia, 2);
    EXPECT_EQ(lista.at(0).mae, QStringLiteral("MÃE DE ANA PAULA REIS"));
    EXPECT_EQ(adm.Lista(k2005, Administradores::Coluna::Nome, true).first().nome, QStringLiteral("BRUNO REIS"));
    EXPECT_EQ(valor("SELECT GROUP_CONCAT(SQ_PSOA || LG_ALTR_TRAM || LG_RESPONSAVEL_TECNICO || LG_TIPO_RESPONSAVEL_TECNICO, ' ') "
                    "FROM (SELECT * FROM ADMINISTRADORES ORDER BY SQ_PSOA)"),
              QStringLiteral("1NFM 2NFM 3NFM"));
    EXPECT_TRUE(adm.Lista(QDate(2003, 6, 15)).isEmpty());
}

TEST_F(AdministradoresTeste, TheTechnicalOfficerIsKeptOnlyWhereItIsAsked)
{
    Administrador a = oficio(ana, QStringLiteral("DIRETORA MÉDICA"), QDate(2004, 1, 1));
    a.responsavelTecnico = true;
    a.tipoResponsavel = QStringLiteral("O");
    a.conselho = QStringLiteral(" 12345 ");
    const Administrador gravado = adm.Grava(k2005, a, true);
    EXPECT_EQ(adm.ResponsavelTecnico(k2005), QStringLiteral("ANA PAULA REIS"));
    EXPECT_EQ(valor("SELECT LG_RESPONSAVEL_TECNICO || LG_TIPO_RESPONSAVEL_TECNICO || CD_CRM_CRO FROM ADMINISTRADORES"),
              QStringLiteral("TO12345"));

    // A sponsored self-management operator is never asked: "F", "M" and no council number.
    EXPECT_FALSE(Administradores::PerguntaResponsavel(k2005, QStringLiteral("PATRM")));
    EXPECT_FALSE(Administradores::PerguntaResponsavel(k2005, QStringLiteral("PATRS")));
    EXPECT_FALSE(Administradores::PerguntaResponsavel(QDate(2004, 12, 31), QStringLiteral("NPATR")));
    EXPECT_TRUE(Administradores::PerguntaResponsavel(k2005, QStringLiteral("NPATR")));
    adm.Grava(k2005, gravado, false);
    EXPECT_EQ(valor("SELECT LG_RESPONSAVEL_TECNICO || LG_TIPO_RESPONSAVEL_TECNICO || COALESCE(CD_CRM_CRO, '') FROM ADMINISTRADORES"),
              QStringLiteral("FM"));
    EXPECT_TRUE(adm.ResponsavelTecnico(k2005).isEmpty());
}

TEST_F(AdministradoresTeste, ChecksListWhatIsMissingAndTheTermOrder)
{
    EXPECT_EQ(Administradores::ItensFaltantes(Administrador{}, false),
              (QStringList{QStringLiteral(">> Nome"), QStringLiteral(">> Cargo/Função"), QStringLiteral(">> Início de Mandato"),
                           QStringLiteral(">> Responsável Técnico")}));
    Administrador a = oficio(ana, QStringLiteral("DIRETORA"), QDate(2005, 3, 10));
    a.nome = QStringLiteral("ANA");
    EXPECT_TRUE(Administradores::ItensFaltantes(a, true).isEmpty());
    const struct {
        QDate fim;
        bool aceito;
    } casos[] = {{QDate(), true}, {QDate(2005, 3, 10), true}, {QDate(2007, 1, 1), true}, {QDate(2005, 3, 9), false}};
    for (const auto &caso : casos) {
        a.fimMandato = caso.fim;
        EXPECT_EQ(Administradores::ErroMandato(a).isEmpty(), caso.aceito) << caso.fim.toString(Qt::ISODate).toStdString();
    }
    a.fimMandato = QDate(2005, 3, 9);
    EXPECT_EQ(Administradores::ErroMandato(a), QStringLiteral("Fim de Mandato MENOR que Início de Mandato"));
}

TEST_F(AdministradoresTeste, EditingATransmittedOfficeMarksItChanged)
{
    Administrador a = adm.Grava(k2005, oficio(ana, QStringLiteral("DIRETORA"), QDate(2004, 1, 1)), true);
    banco.sql(QStringLiteral("UPDATE ADMINISTRADORES SET LG_ALTR_TRAM = 'T'"));
    a.cargo = QStringLiteral("presidente");
    a = adm.Grava(k2005, a, true);
    EXPECT_EQ(a.sequencia, 1);
    EXPECT_EQ(valor("SELECT DE_CARG || '|' || LG_ALTR_TRAM FROM ADMINISTRADORES"), QStringLiteral("PRESIDENTE|A"));
    EXPECT_EQ(contaLinhas(banco, "ADMINISTRADORES", "1 = 1"), 1);
    adm.Exclui(k2005, a.idPsoa, a.sequencia);
    EXPECT_EQ(contaLinhas(banco, "ADMINISTRADORES", "1 = 1"), 0);
}

TEST_F(AdministradoresTeste, ACopiedPeriodKeepsEveryOfficeNeverTransmitted)
{
    Administrador a = oficio(ana, QStringLiteral("DIRETORA MÉDICA"), QDate(2004, 1, 1));
    a.fimMandato = QDate(2008, 12, 31);
    a.orgao = QStringLiteral("1");
    a.responsavelTecnico = true;
    a.conselho = QStringLiteral("84512");
    adm.Grava(k2005, a, true);
    adm.Grava(k2005, oficio(bruno, QStringLiteral("DIRETOR"), QDate(2004, 1, 1)), true);
    banco.sql(QStringLiteral("UPDATE ADMINISTRADORES SET LG_ALTR_TRAM = 'T'"));
    banco.sql(QStringLiteral("UPDATE QUADROADMINISTRADORES SET LG_ALTR_TRAM = 'T'"));

    ASSERT_TRUE(adm.periodos().CopiaPeriodo(k2006));
    EXPECT_FALSE(adm.periodos().CopiaPeriodo(k2006)); // already a period: nothing doubled
    const QString colunas = QStringLiteral("ID_PSOA || SQ_PSOA || CD_ORGA || DE_CARG || DT_INIC_MAND || COALESCE(DT_FIM_MAND, '-') || "
                                           "LG_RESPONSAVEL_TECNICO || LG_TIPO_RESPONSAVEL_TECNICO || COALESCE(CD_CRM_CRO, '-')");
    auto linhas = [&](const QDate &periodo) {
        return valor(QStringLiteral("SELECT GROUP_CONCAT(L, ' ') FROM (SELECT %1 AS L FROM ADMINISTRADORES WHERE DT_INIC_VIGN = '%2' "
                                    "ORDER BY SQ_PSOA)")
                         .arg(colunas, periodo.toString(Qt::ISODate)));
    };
    EXPECT_EQ(linhas(k2006), linhas(k2005));
    EXPECT_EQ(contaLinhas(banco, "ADMINISTRADORES", "DT_INIC_VIGN = '2006-07-01' AND LG_ALTR_TRAM = 'N'"), 2);
    EXPECT_EQ(contaLinhas(banco, "QUADROADMINISTRADORES", "DT_INIC_VIGN = '2006-07-01' AND LG_ALTR_TRAM = 'N'"), 1);
    EXPECT_EQ(adm.periodos().Periodos(), (QList<QDate>{k2006, k2005, QDate(2003, 6, 15)}));
}

TEST_F(AdministradoresTeste, AFailedCopyLeavesNothingAndSaysSo)
{
    adm.Grava(k2005, oficio(ana, QStringLiteral("DIRETORA"), QDate(2004, 1, 1)), true);
    banco.sql(QStringLiteral("CREATE TRIGGER RECUSA BEFORE INSERT ON ADMINISTRADORES BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
    EXPECT_THROW(adm.periodos().CopiaPeriodo(k2006), ErroBanco);
    EXPECT_EQ(contaLinhas(banco, "QUADROADMINISTRADORES", "DT_INIC_VIGN = '2006-07-01'"), 0);
    EXPECT_EQ(adm.periodos().Periodos().first(), k2005);
}

TEST_F(AdministradoresTeste, DeletingThePeriodKeepsWhatWasTransmitted)
{
    ASSERT_TRUE(adm.periodos().CopiaPeriodo(k2006));
    adm.Grava(k2006, oficio(ana, QStringLiteral("DIRETORA"), QDate(2004, 1, 1)), true);
    adm.Grava(k2006, oficio(bruno, QStringLiteral("DIRETOR"), QDate(2004, 1, 1)), true);
    banco.sql(QStringLiteral("UPDATE ADMINISTRADORES SET LG_ALTR_TRAM = 'T' WHERE ID_PSOA = %1").arg(bruno));
    EXPECT_FALSE(adm.periodos().ExcluiPeriodo(k2006));
    EXPECT_EQ(valor("SELECT GROUP_CONCAT(ID_PSOA) FROM ADMINISTRADORES WHERE DT_INIC_VIGN = '2006-07-01'"), QString::number(bruno));
    EXPECT_EQ(adm.periodos().Periodos().first(), k2006);

    banco.sql(QStringLiteral("UPDATE ADMINISTRADORES SET LG_ALTR_TRAM = 'N'"));
    EXPECT_TRUE(adm.periodos().ExcluiPeriodo(k2006));
    EXPECT_EQ(contaLinhas(banco, "ADMINISTRADORES", "DT_INIC_VIGN = '2006-07-01'"), 0);
    EXPECT_EQ(adm.periodos().Periodos().first(), k2005);
}

TEST_F(AdministradoresTeste, TheRepresentativeIsKeptByItsNumber)
{
    // Two administrators whose names begin alike: the second is chosen and stays.
    const int anaFilha = incluiPessoa(banco, QStringLiteral("ANA PAULA REIS FILHA"), QStringLiteral("64028719313"));
    const int semCargo = incluiPessoa(banco, QStringLiteral("CARLOS SEM CARGO"), QStringLiteral("41823795609"));
    adm.Grava(k2005, oficio(ana, QStringLiteral("DIRETORA"), QDate(2004, 1, 1)), true);
    adm.Grava(k2005, oficio(anaFilha, QStringLiteral("DIRETORA"), QDate(2004, 1, 1)), true);
    Representante rep(banco.db(), kOper);
    ASSERT_EQ(rep.periodos().Periodos(), QList<QDate>{QDate(2003, 6, 15)});
    EXPECT_TRUE(rep.HaAdministradoresAtivos());
    EXPECT_FALSE(rep.Pessoa(semCargo).has_value());
    EXPECT_FALSE(rep.Pessoa(0).has_value());
    ASSERT_TRUE(rep.Pessoa(anaFilha).has_value());
    EXPECT_EQ(rep.Pessoa(anaFilha)->dados.nome, QStringLiteral("ANA PAULA REIS FILHA"));

    ASSERT_TRUE(rep.periodos().IncluiPeriodo(k2005));
    EXPECT_FALSE(rep.periodos().IncluiPeriodo(k2005));
    EXPECT_EQ(rep.Carrega(k2005).idPsoa, 0);
    rep.Grava(k2005, anaFilha);
    EXPECT_EQ(valor("SELECT CD_OPER_DIRE || '|' || ID_PSOA || '|' || LG_ALTR_TRAM FROM DIRETORRELACOES WHERE DT_INIC_VIGN = '2005-01-01'"),
              QStringLiteral("345678|%1|N").arg(anaFilha));

    // A copy keeps the representative; a transmitted row becomes "A" when changed.
    banco.sql(QStringLiteral("UPDATE DIRETORRELACOES SET LG_ALTR_TRAM = 'T'"));
    ASSERT_TRUE(rep.periodos().CopiaPeriodo(k2006));
    EXPECT_EQ(rep.Carrega(k2006).idPsoa, anaFilha);
    EXPECT_EQ(rep.Carrega(k2006).estadoTransmissao, QStringLiteral("N"));
    rep.Grava(k2005, ana);
    EXPECT_EQ(rep.Carrega(k2005).estadoTransmissao, QStringLiteral("A"));

    // Deleting the newest period: a transmitted row keeps it.
    banco.sql(QStringLiteral("UPDATE DIRETORRELACOES SET LG_ALTR_TRAM = 'T' WHERE DT_INIC_VIGN = '2006-07-01'"));
    EXPECT_FALSE(rep.periodos().ExcluiPeriodo(k2006));
    banco.sql(QStringLiteral("UPDATE DIRETORRELACOES SET LG_ALTR_TRAM = 'N' WHERE DT_INIC_VIGN = '2006-07-01'"));
    EXPECT_TRUE(rep.periodos().ExcluiPeriodo(k2006));
    EXPECT_EQ(rep.periodos().Periodos(), (QList<QDate>{k2005, QDate(2003, 6, 15)}));
}

TEST_F(AdministradoresTeste, WithoutActiveAdministratorsNoRepresentativeCanBeChosen)
{
    Representante rep(banco.db(), kOper);
    EXPECT_FALSE(rep.HaAdministradoresAtivos());
    adm.Grava(k2005, oficio(ana, QStringLiteral("DIRETORA"), QDate(2004, 1, 1)), true);
    EXPECT_TRUE(rep.HaAdministradoresAtivos());
    banco.sql(QStringLiteral("UPDATE DADOSPESSOAS SET LG_INAT = 'T' WHERE ID_PSOA = %1").arg(ana));
    EXPECT_FALSE(rep.HaAdministradoresAtivos());
}
