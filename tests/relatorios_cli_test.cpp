// kelpa-cli print, run as a user would.

#include "relatorios_apoio.h"

#include "apoio/ExecutaCli.h"

using namespace kelpa;
using namespace kelpa::teste;
using namespace kelpa::teste::relatorios;

namespace {

class ImpressaoCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        banco.sql(QStringLiteral(
            "INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, DE_VLDC_QUAD_UM, DE_VLDC_TEXT_UM, VL_VLDC_VALO_UM, "
            "DE_VLDC_QUAD_DOIS, DE_VLDC_TEXT_DOIS, VL_VLDC_VALO_DOIS, DE_VLDC_ESTR_CAMP, TP_VLDC, DE_PERI, "
            "DE_VLDC_JUST, LG_ALTR_TRAM) VALUES "
            "('345678', 1, '11', 'Ativo difere do Passivo em R$ 1.234,56.', 0, '', '', 0, '', '2', '20062', '', 'N')"));
        banco.fechar();
    }

    SaidaCli imprimir(const QStringList &opcoes)
    {
        return executarCli(QStringList{QStringLiteral("--home"), home.path(), QStringLiteral("print"),
                                       QStringLiteral("--dir"), banco.diretorio()}
                           + opcoes);
    }

    QString pdf(const QString &nome = QStringLiteral("saida.pdf")) const { return home.filePath(nome); }

    BancoTemporario banco;
    QTemporaryDir home;
};

} // namespace

TEST_F(ImpressaoCli, WritesThePdfAndNamesTheEmptyList)
{
    const SaidaCli s = imprimir({QStringLiteral("--operator"), QStringLiteral("34567-8"), QStringLiteral("--quadro"),
                                 QStringLiteral("validacao"), QStringLiteral("--pdf"), pdf()});
    ASSERT_EQ(s.codigo, 0) << s.err.toStdString();
    EXPECT_TRUE(s.out.contains(QStringLiteral("Relatório gravado: ") + pdf() + QStringLiteral(" (1 página)")));
    // The notice list is empty: the warning names it, on lines a terminal shows.
    EXPECT_TRUE(s.err.contains(QStringLiteral("O relatório abaixo não apresenta dados:\nAVISO")));

    const QStringList paginas = paginasPdf(pdf());
    ASSERT_EQ(paginas.size(), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("ERRO")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("2º Trimestre de 2006")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("Ativo difere do Passivo em R$ 1.234,56.")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("CNPJ: 96.943.342/0001-14")));
    // Printing changes nothing in the database: the findings are still there.
    banco.reabrir();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO")).toInt(), 1);
}

TEST_F(ImpressaoCli, NothingToPrintExitsWithOneAndWritesNoFile)
{
    const SaidaCli s = imprimir({QStringLiteral("--operator"), QStringLiteral("345678"), QStringLiteral("--quadro"),
                                 QStringLiteral("validacao"), QStringLiteral("--pdf"), pdf()});
    ASSERT_EQ(s.codigo, 0);
    banco.reabrir();
    banco.sql(QStringLiteral("DELETE FROM VALIDACAO"));
    banco.fechar();
    QFile::remove(pdf());

    const SaidaCli vazio = imprimir({QStringLiteral("--operator"), QStringLiteral("345678"), QStringLiteral("--quadro"),
                                     QStringLiteral("validacao"), QStringLiteral("--pdf"), pdf()});
    EXPECT_EQ(vazio.codigo, 1);
    EXPECT_TRUE(vazio.err.contains(QStringLiteral("O relatório abaixo não apresenta dados \nERRO\nAVISO")))
        << vazio.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf()));
}

TEST_F(ImpressaoCli, BadUseExitsWithTwoAndWritesNothing)
{
    const QString saida = pdf();
    struct Caso {
        QStringList opcoes;
        const char *mensagem;
    };
    const Caso casos[] = {
        {{QStringLiteral("--operator"), QStringLiteral("345678"), QStringLiteral("--quadro"), QStringLiteral("14A"),
          QStringLiteral("--pdf"), saida},
         "o quadro 14A ainda não tem relatório"},
        {{QStringLiteral("--operator"), QStringLiteral("345678"), QStringLiteral("--quadro"), QStringLiteral("validacao"),
          QStringLiteral("--period"), QStringLiteral("31/02/2006"), QStringLiteral("--pdf"), saida},
         "data inválida"},
        {{QStringLiteral("--operator"), QStringLiteral("34A678"), QStringLiteral("--quadro"), QStringLiteral("validacao"),
          QStringLiteral("--pdf"), saida},
         "6 algarismos"},
        {{QStringLiteral("--operator"), QStringLiteral("999999"), QStringLiteral("--quadro"), QStringLiteral("validacao"),
          QStringLiteral("--pdf"), saida},
         "não está cadastrada"},
        {{QStringLiteral("--operator"), QStringLiteral("345678"), QStringLiteral("--quadro"), QStringLiteral("validacao")},
         "--pdf"},
        {{QStringLiteral("--operator"), QStringLiteral("345678"), QStringLiteral("--quadro"), QStringLiteral("validacao"),
          QStringLiteral("--pdf"), home.filePath(QStringLiteral("nao/existe.pdf"))},
         "não existe"},
        {{QStringLiteral("--operator"), QStringLiteral("345678"), QStringLiteral("--quadro"), QStringLiteral("validacao"),
          QStringLiteral("--pdf"), saida, QStringLiteral("--cor")},
         "opção desconhecida"},
    };
    for (const Caso &c : casos) {
        const SaidaCli s = imprimir(c.opcoes);
        EXPECT_EQ(s.codigo, 2) << c.opcoes.join(u' ').toStdString();
        EXPECT_TRUE(s.err.contains(QString::fromUtf8(c.mensagem))) << s.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(saida));
    }

    QTemporaryDir semBase;
    const SaidaCli s = executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("print"), QStringLiteral("--dir"),
                                    semBase.path(), QStringLiteral("--operator"), QStringLiteral("345678"),
                                    QStringLiteral("--quadro"), QStringLiteral("validacao"), QStringLiteral("--pdf"), saida});
    EXPECT_EQ(s.codigo, 2);
    EXPECT_TRUE(s.err.contains(QStringLiteral("não há base de dados")));
}
