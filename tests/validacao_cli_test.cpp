// kelpa-cli validate: one finding a line, and the exit code says whether sending is open.

#include "validacao_apoio.h"

#include "apoio/ExecutaCli.h"
#include "validacao/GravacaoConstatacoes.h"

#include <QTemporaryDir>

using namespace kelpa;
using namespace kelpa::teste;
using namespace kelpa::teste::validacao;

namespace {

SaidaCli validarCli(const BancoTemporario &banco, const QString &operadora)
{
    return executarCli({QStringLiteral("--home"), banco.diretorio(), QStringLiteral("validate"), QStringLiteral("--dir"),
                        banco.diretorio(), QStringLiteral("--operator"), operadora});
}

QStringList linhas(const QString &saida)
{
    return saida.split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(ValidacaoCli, CleanOperatorMaySend)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    banco.fechar();
    const SaidaCli saida = validarCli(banco, QStringLiteral("34567-8"));
    EXPECT_EQ(saida.codigo, 0) << saida.err.toStdString();
    EXPECT_EQ(saida.out, QString());
    EXPECT_TRUE(saida.err.contains(QStringLiteral("Envio liberado."))) << saida.err.toStdString();
}

TEST(ValidacaoCli, FindingsOneALineAndSendingClosed)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 1 WHERE CD_CONTA_REFERENCIA = '19000' "
                             "AND DT_INIC_VIGN IN ('2004-10-01', '2006-04-01')"));
    banco.sql(QStringLiteral("DELETE FROM DIRETORRELACOES"));
    banco.fechar();
    const SaidaCli saida = validarCli(banco, planos);
    EXPECT_EQ(saida.codigo, 1) << saida.err.toStdString();
    const QStringList l = linhas(saida.out);
    ASSERT_EQ(l.size(), 3) << saida.out.toStdString();
    EXPECT_EQ(l.at(0), QStringLiteral("AVISO\t4º Trimestre de 2004\tQuadro 11\tO Total do ATIVO (Quadro 11) está "
                                      "DIFERENTE do Total do PASSIVO (Quadro 12)\t1,00 / 100.000,00"));
    EXPECT_EQ(l.at(1), QStringLiteral("ERRO\t2º Trimestre de 2006\tQuadro 11\tO Total do ATIVO (Quadro 11) está "
                                      "DIFERENTE do Total do PASSIVO (Quadro 12)\t1,00 / 100.003,00"));
    EXPECT_EQ(l.at(2), QStringLiteral("ERRO\t-\tQuadro 04\tQuadro 4: Representante junto à QOR - A partir do ano de 2005 "
                                      "o REPRESENTANTE deverá ser informado OBRIGATORIAMENTE. Por favor, atualize o quadro "
                                      "para que os dados possam ser transmitidos à QOR.\t-"));
    EXPECT_TRUE(saida.err.contains(QStringLiteral("2 erros, 1 aviso.")));
    EXPECT_TRUE(saida.err.contains(QStringLiteral("Envio bloqueado.")));

    // The findings stay for the printout and the main window's gate.
    banco.reabrir();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE CD_OPER = '345678'")).toInt(), 3);
}

TEST(ValidacaoCli, OnlyNoticesLeaveSendingOpen)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 1 WHERE CD_CONTA_REFERENCIA = '19000' "
                             "AND DT_INIC_VIGN = '2004-10-01'"));
    banco.fechar();
    const SaidaCli saida = validarCli(banco, planos);
    EXPECT_EQ(saida.codigo, 0);
    EXPECT_EQ(linhas(saida.out).size(), 1);
}

TEST(ValidacaoCli, AFailedRunExitsWithAnErrorAndSendingClosed)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    banco.sql(QStringLiteral("DROP TABLE DIRETORRELACOES"));
    banco.fechar();
    const SaidaCli saida = validarCli(banco, planos);
    EXPECT_EQ(saida.codigo, 3);
    EXPECT_TRUE(saida.err.contains(QStringLiteral("DIRETORRELACOES"))) << saida.err.toStdString();
    EXPECT_EQ(linhas(saida.out),
              QStringList{QStringLiteral("ERRO\t-\t-\t") + kelpa::validacao::GravacaoConstatacoes::MensagemNaoConcluida()
                          + QStringLiteral("\t-")});
}

TEST(ValidacaoCli, ChartOfAccountsCheckBlocksAPlanOperator)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    // Values of the first quarter of 2007 under a chart newer than 2007.
    banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, "
                             "CD_CONTA_REFERENCIA, VL_CONTA_REFERENCIA, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2007-01-01', '20', '2008-01-01', '99999', 0, 'N')"));
    banco.fechar();
    const SaidaCli saida = validarCli(banco, planos);
    EXPECT_EQ(saida.codigo, 1);
    EXPECT_EQ(linhas(saida.out), QStringList{QStringLiteral("ERRO\t-\t-\tPlano de Contas 2006 Erro\t-")});
    EXPECT_TRUE(saida.err.contains(QStringLiteral("d) Crie o 1º Trimestre de 2007.")));
    banco.reabrir();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT NR_VLDC_SEQL || TP_VLDC FROM VALIDACAO")).toString(),
              QStringLiteral("999991"));
}

TEST(ValidacaoCli, BadUse)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    banco.fechar();
    QTemporaryDir vazio;
    struct Caso {
        QStringList argumentos;
        const char *mensagem;
    };
    const Caso casos[] = {
        {{QStringLiteral("validate"), QStringLiteral("--dir"), banco.diretorio()}, "--operator"},
        {{QStringLiteral("validate"), QStringLiteral("--dir"), banco.diretorio(), QStringLiteral("--operator"),
          QStringLiteral("12ab")},
         "6 algarismos"},
        {{QStringLiteral("validate"), QStringLiteral("--dir"), banco.diretorio(), QStringLiteral("--operator"),
          QStringLiteral("999999")},
         "não está cadastrada"},
        {{QStringLiteral("validate"), QStringLiteral("--dir"), vazio.path(), QStringLiteral("--operator"), planos},
         "não há base de dados"},
        {{QStringLiteral("validate"), QStringLiteral("--operator"), planos, QStringLiteral("extra")}, "inesperado"},
    };
    for (const Caso &c : casos) {
        const SaidaCli saida = executarCli(QStringList{QStringLiteral("--home"), banco.diretorio()} + c.argumentos);
        EXPECT_EQ(saida.codigo, 2) << c.mensagem;
        EXPECT_TRUE(saida.err.contains(QString::fromUtf8(c.mensagem))) << saida.err.toStdString();
        EXPECT_EQ(saida.out, QString());
    }
}

TEST(ValidacaoCli, TheDemoOperatorMaySendAtOnce)
{
    QTemporaryDir home;
    const SaidaCli init = executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("init"), QStringLiteral("--demo")});
    ASSERT_EQ(init.codigo, 0) << init.err.toStdString();
    const SaidaCli saida = executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("validate"),
                                        QStringLiteral("--operator"), QStringLiteral("345678")});
    EXPECT_EQ(saida.codigo, 0) << saida.err.toStdString();
    EXPECT_EQ(saida.out, QString()) << saida.out.toStdString();
}
