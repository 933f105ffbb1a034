// What the main window decides from the operator's registration and findings,
// and the operator records.

#include "apoio/BancoTemporario.h"

#include "app/CadastroOperadoras.h"
#include "app/ServicosOperadora.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {
const QString kOperadora = QStringLiteral("345678");

void cadastro(const BancoTemporario &banco, const char *data, const char *modalidade, const char *submodalidade)
{
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, CD_SOCI, CD_NATZ_JURD) "
                             "VALUES ('345678', '%1', 0, '%2', '%3', 'C', 'SCOTA')")
                  .arg(QLatin1String(data), QLatin1String(modalidade), QLatin1String(submodalidade)));
}

void enderecoCompleto(const BancoTemporario &banco, const char *data)
{
    banco.sql(QStringLiteral(
                  "INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, NR_ENDERECO, ID_MUNC, DE_ENDR, NM_BAIR, "
                  "CD_CEP, DE_MAIL, CD_REG_ATUACAO, ID_MUNC_CORRESP, CD_CEP_CORRESP, NM_BAIR_CORRESP, DE_ENDR_CORRESP, NR_ENDR_CORRESP) "
                  "VALUES ('345678', '%1', 0, 'J', '100', 3550308, 'Rua A', 'Centro', '01001000', 'a@b.com.br', 1, "
                  "3550308, '01001000', 'Centro', 'Rua A', '100')")
                  .arg(QLatin1String(data)));
}
} // namespace

TEST(ServicosOperadora, SendingGateFollowsTheFindings)
{
    struct Caso {
        QStringList linhas; // TP_VLDC|DE_PERI
        bool permitido;
    };
    const Caso casos[] = {
        {{}, true},
        {{"1|20044", "1|20043"}, true},
        {{"1|20044", "2|20051"}, false},
        {{"1|"}, false},
        {{"3|20071", "3|"}, true}, // notices never block
        {{"2|abc"}, true},         // not a number counts as 0
        {{"2|20062"}, false},
    };
    for (const Caso &c : casos) {
        BancoTemporario banco;
        int seq = 0;
        for (const QString &linha : c.linhas) {
            const QStringList partes = linha.split(u'|');
            banco.sql(QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, TP_VLDC, DE_PERI) VALUES ('345678', %1, '%2', '%3')")
                          .arg(++seq).arg(partes.at(0), partes.at(1)));
        }
        // Another operator's findings never count.
        banco.sql(QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, TP_VLDC, DE_PERI) VALUES ('312345', 1, '1', '')"));
        EXPECT_EQ(ServicosOperadora(banco.db(), kOperadora).TransmissaoPermitida(), c.permitido) << c.linhas.join(u',').toStdString();
    }
}

TEST(ServicosOperadora, CadastroCompletoNeedsEveryAddressFieldOfTheNewestPeriod)
{
    BancoTemporario banco;
    ServicosOperadora servicos(banco.db(), kOperadora);
    EXPECT_FALSE(servicos.CadastroCompleto());
    cadastro(banco, "2005-01-01", "MEGRP", "SPP");
    enderecoCompleto(banco, "2005-01-01");
    QDate ultimo;
    EXPECT_TRUE(servicos.CadastroCompleto(&ultimo));
    EXPECT_EQ(ultimo, QDate(2005, 1, 1));

    // A newer period whose correspondence address is empty: not complete.
    cadastro(banco, "2006-07-01", "MEGRP", "SPP");
    enderecoCompleto(banco, "2006-07-01");
    banco.sql(QStringLiteral("UPDATE DADOSPESSOAS SET DE_ENDR_CORRESP = '  ' WHERE DT_INIC_VIGN = '2006-07-01'"));
    EXPECT_FALSE(servicos.CadastroCompleto());
    banco.sql(QStringLiteral("UPDATE DADOSPESSOAS SET DE_ENDR_CORRESP = 'Rua B' WHERE DT_INIC_VIGN = '2006-07-01'"));
    EXPECT_TRUE(servicos.CadastroCompleto());
    banco.sql(QStringLiteral("UPDATE CADASTRO SET CD_SUBM = NULL WHERE DT_INIC_VIGN = '2006-07-01'"));
    EXPECT_FALSE(servicos.CadastroCompleto());
}

TEST(ServicosOperadora, ModalityGates)
{
    struct Caso {
        const char *modalidade;
        const char *submodalidade;
        bool autogestaoPatrocinada;
        bool dispensada;
    };
    const Caso casos[] = {
        {"ADMIN", "ADMPL", false, true}, {"ADMIN", "ADMSV", false, false}, {"AUTOG", "PATRM", true, true},
        {"AUTOG", "PATRS", true, true},  {"AUTOG", "NPATR", false, false}, {"MEGRP", "SPP", false, false},
    };
    for (const Caso &c : casos) {
        BancoTemporario banco;
        cadastro(banco, "2001-01-01", "MEGRP", "SPP"); // older period: the newest counts
        cadastro(banco, "2006-01-01", c.modalidade, c.submodalidade);
        ServicosOperadora servicos(banco.db(), kOperadora);
        EXPECT_EQ(servicos.ModalidadeOperadora(), QLatin1String(c.modalidade));
        EXPECT_EQ(servicos.AutogestaoPatrocinada(), c.autogestaoPatrocinada) << c.modalidade << c.submodalidade;
        EXPECT_EQ(servicos.DispensadaPlanoContas(), c.dispensada) << c.modalidade << c.submodalidade;
        // A dispensed operator never meets the chart-of-accounts gate, even with a newer chart.
        banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, DT_INIC_VIGN_PLANO) VALUES ('345678', '2007-01-01', '2007-02-01')"));
        EXPECT_EQ(servicos.BloqueiaPorPlanoContas(), !c.dispensada);
    }
    EXPECT_EQ(ServicosOperadora::MensagemDispensa(QStringLiteral("ADMIN")),
              QStringLiteral("As Administradoras de Planos estão\rdispensadas de preencher este quadro."));
    EXPECT_EQ(ServicosOperadora::MensagemNaoUtiliza(QStringLiteral("AUTOG")),
              QStringLiteral("As Autogestões Patrocinadas, tanto singular\rquanto multipatrocinadas, não\rutilizam este quadro."));
}

TEST(ServicosOperadora, ShareholdersQuadroDependsOnTheNewestRegistration)
{
    BancoTemporario banco;
    cadastro(banco, "2005-01-01", "MEGRP", "SPP");
    EXPECT_TRUE(ServicosOperadora(banco.db(), kOperadora).QuadroAcionistasDisponivel());
    cadastro(banco, "2006-01-01", "COOPM", "SPP");
    EXPECT_FALSE(ServicosOperadora(banco.db(), kOperadora).QuadroAcionistasDisponivel());
}

TEST(CadastroOperadoras, RegistersFromTheOfficialListOnlyWithTheConfirmedCode)
{
    BancoTemporario banco;
    CadastroOperadoras operadoras(banco.db());
    const int oficiais = static_cast<int>(operadoras.listaOficialNaoCadastradas().size());
    ASSERT_GT(oficiais, 2);

    using R = CadastroOperadoras::ResultadoRegistro;
    EXPECT_EQ(operadoras.registrar(QString(), QString()), R::SemCodigo);
    EXPECT_EQ(operadoras.registrar(kOperadora, QStringLiteral("345679")), R::ConfirmacaoInvalida);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS")).toInt(), 0);

    EXPECT_EQ(operadoras.registrar(kOperadora, kOperadora), R::Registrada);
    EXPECT_EQ(operadoras.registrar(kOperadora, kOperadora), R::JaCadastrada);
    EXPECT_EQ(operadoras.listaOficialNaoCadastradas().size(), oficiais - 1);
    ASSERT_EQ(operadoras.listaOperadoras().size(), 1);
    EXPECT_EQ(operadoras.listaOperadoras().first().texto, QStringLiteral("345678 - Saúde Exemplo Assistência Médica Ltda."));
    // Official start 15/06/1999: a plan operator's first period is 01/01/2001.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT DT_INIC_VIGN || LG_ALTR_TRAM FROM DADOSPESSOAS WHERE CD_OPER = '345678'")).toString(),
              QStringLiteral("2001-01-01N"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT LG_ESTRANGEIRO FROM PESSOAS WHERE CD_OPER = '345678'")).toString(), QStringLiteral("F"));
    EXPECT_EQ(CadastroOperadoras::mensagem(R::JaCadastrada), QStringLiteral("ATENÇÃO!!! Código da Operadora JÁ CADASTRADO..."));
}

TEST(CadastroOperadoras, TheFloorOfTheFirstPeriodIsTheNewOperatorsOwn)
{
    EXPECT_EQ(CadastroOperadoras::dataInicial(QDate(1999, 6, 15), true), QDate(2001, 1, 1));
    EXPECT_EQ(CadastroOperadoras::dataInicial(QDate(2003, 6, 15), true), QDate(2003, 6, 15));
    EXPECT_EQ(CadastroOperadoras::dataInicial(QDate(2003, 6, 15), false), QDate(2007, 1, 1));

    BancoTemporario banco;
    CadastroOperadoras operadoras(banco.db());
    ASSERT_EQ(operadoras.registrar(kOperadora, kOperadora), CadastroOperadoras::ResultadoRegistro::Registrada);
    // An insurer registered while a plan operator is open still gets the insurer floor.
    ASSERT_EQ(operadoras.registrar(QStringLiteral("001234"), QStringLiteral("001234")), CadastroOperadoras::ResultadoRegistro::Registrada);
    EXPECT_GE(banco.escalar(QStringLiteral("SELECT DT_INIC_VIGN FROM DADOSPESSOAS WHERE CD_OPER = '001234'")).toString(),
              QStringLiteral("2007-01-01"));
}

TEST(CadastroOperadoras, ChoosingAnOperatorAddsItsStartRowOnce)
{
    BancoTemporario banco;
    CadastroOperadoras operadoras(banco.db());
    ASSERT_EQ(operadoras.registrar(kOperadora, kOperadora), CadastroOperadoras::ResultadoRegistro::Registrada);
    EXPECT_EQ(operadoras.selecionar(kOperadora), QDate(2001, 1, 1));
    EXPECT_EQ(operadoras.selecionar(kOperadora), QDate(2001, 1, 1));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM DADOSPESSOAS WHERE CD_OPER = '345678'")).toInt(), 1);
}
