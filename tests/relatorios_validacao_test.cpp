// The printed lists of the validation run: which finding goes to which list, how its
// period reads, the warnings when a list is empty, and the printed pages.

#include "relatorios_apoio.h"

#include "relatorios/ListaValidacao.h"
#include "relatorios/RegistroRelatorios.h"
#include "relatorios/TqrpAvisoValidacao.h"
#include "relatorios/TqrpValidaCampos.h"

using namespace kelpa;
using namespace kelpa::relatorios;
using namespace kelpa::teste;
using namespace kelpa::teste::relatorios;

namespace {

void constatacao(const BancoTemporario &banco, const QString &codigo, int seq, const QString &periodo,
                 const QString &texto, const QString &tipo = QStringLiteral("2"))
{
    const QString per = periodo.isNull() ? QStringLiteral("NULL") : QStringLiteral("'%1'").arg(periodo);
    banco.sql(QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, DE_VLDC_QUAD_UM, DE_VLDC_TEXT_UM, "
                             "VL_VLDC_VALO_UM, DE_VLDC_QUAD_DOIS, DE_VLDC_TEXT_DOIS, VL_VLDC_VALO_DOIS, "
                             "DE_VLDC_ESTR_CAMP, TP_VLDC, DE_PERI, DE_VLDC_JUST, LG_ALTR_TRAM) "
                             "VALUES ('%1', %2, '11', '%3', 0, '', '', 0, '', '%4', %5, '', 'N')")
                  .arg(codigo)
                  .arg(seq)
                  .arg(texto, tipo, per));
}

QStringList mensagens(const QList<ConstatacaoValidacao> &lista)
{
    QStringList m;
    for (const ConstatacaoValidacao &c : lista)
        m << c.mensagem;
    return m;
}

class ValidacaoImpressa : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cadastrarOperadora(banco);
        constatacao(banco, operadora, 1, QStringLiteral("20062"), QStringLiteral("E 2006/2 a"));
        constatacao(banco, operadora, 2, QStringLiteral("20044"), QStringLiteral("A 2004/4"));
        constatacao(banco, operadora, 3, QStringLiteral(""), QStringLiteral("E sem período"));
        constatacao(banco, operadora, 4, QStringLiteral("20051"), QStringLiteral("E 2005/1"));
        constatacao(banco, operadora, 5, QString(), QStringLiteral("E período nulo"));
        constatacao(banco, operadora, 6, QStringLiteral("20041"), QStringLiteral("A 2004/1"));
        constatacao(banco, operadora, 7, QStringLiteral("20062"), QStringLiteral("E 2006/2 b"));
        // Not listed: a blocking finding of the chart-of-accounts notice, another operator's finding.
        constatacao(banco, operadora, 99999, QStringLiteral(""), QStringLiteral("Plano de Contas 2006 Erro"),
                    QStringLiteral("1"));
        constatacao(banco, QStringLiteral("312345"), 1, QStringLiteral("20062"), QStringLiteral("De outra operadora"));
    }

    BancoTemporario banco;
};

} // namespace

TEST(ListaValidacaoTexto, PeriodReadsAsQuarterAndYear)
{
    struct Caso {
        const char *periodo;
        const char *texto;
    };
    const Caso casos[] = {{"20062", "2º Trimestre de 2006"}, {"20051", "1º Trimestre de 2005"},
                          {"20044", "4º Trimestre de 2004"}, {"", ""}, {"2006", "2006"}, {"20065", "20065"}};
    for (const Caso &c : casos)
        EXPECT_EQ(ListaValidacao::textoPeriodo(QString::fromUtf8(c.periodo)), QString::fromUtf8(c.texto)) << c.periodo;
}

TEST(ListaValidacaoTexto, WarningsWhenAListIsEmpty)
{
    EXPECT_EQ(TqrpListaValidacao::mensagemListasVazias(true, true),
              QStringLiteral("O relatório abaixo não apresenta dados \rERRO\rAVISO"));
    EXPECT_EQ(TqrpListaValidacao::mensagemListasVazias(false, true),
              QStringLiteral("O relatório abaixo não apresenta dados:\rAVISO"));
    EXPECT_EQ(TqrpListaValidacao::mensagemListasVazias(true, false),
              QStringLiteral("O relatório abaixo não apresenta dados \rERRO"));
    EXPECT_EQ(TqrpListaValidacao::mensagemListasVazias(false, false), QString());
}

TEST_F(ValidacaoImpressa, ErrorsFrom2005AndWithoutPeriodNoticesBefore)
{
    EXPECT_EQ(mensagens(ListaValidacao::erros(banco.db(), operadora)),
              (QStringList{QStringLiteral("E período nulo"), QStringLiteral("E sem período"), QStringLiteral("E 2005/1"),
                           QStringLiteral("E 2006/2 a"), QStringLiteral("E 2006/2 b")}));
    EXPECT_EQ(mensagens(ListaValidacao::avisos(banco.db(), operadora)),
              (QStringList{QStringLiteral("A 2004/1"), QStringLiteral("A 2004/4")}));
}

TEST_F(ValidacaoImpressa, PrintsBothListsLandscapeEachOnItsOwnPages)
{
    const FormaImpressao *forma = RegistroRelatorios::localizar(QStringLiteral("validacao"));
    ASSERT_NE(forma, nullptr);
    ImpressaoComposta impressao;
    forma->montar(impressao);
    impressao.carregar(banco.db(), operadora, {}, QDateTime(QDate(2007, 3, 5), QTime(10, 0)));
    EXPECT_EQ(RegistroRelatorios::mensagemSemDados(*forma, impressao), QString());

    const DocumentoRelatorio doc = impressao.documento();
    ASSERT_EQ(doc.totalPaginas(), 2);
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("validacao.pdf"));
    ASSERT_TRUE(Renderizador::gravarPdf(doc, arquivo));
    for (const QSizeF &t : tamanhosPaginasPdf(arquivo))
        EXPECT_EQ(t, QSizeF(792, 612));

    const QStringList paginas = paginasPdf(arquivo);
    ASSERT_EQ(paginas.size(), 2);
    const QString &erros = paginas.at(0);
    const QString &avisos = paginas.at(1);
    for (const QString &p : paginas) {
        EXPECT_TRUE(p.contains(QStringLiteral("Operadora : 34567-8 - ") + nomeOperadora));
        EXPECT_TRUE(p.contains(QStringLiteral("Inconsistência")));
        EXPECT_TRUE(p.contains(QStringLiteral("Descrição")));
        // The lists cover every period: no validity label.
        EXPECT_FALSE(p.contains(QStringLiteral("Vigência")));
        EXPECT_FALSE(p.contains(QStringLiteral("Plano de Contas 2006 Erro")));
        EXPECT_FALSE(p.contains(QStringLiteral("De outra operadora")));
    }
    EXPECT_TRUE(erros.contains(QStringLiteral("ERRO")));
    EXPECT_TRUE(erros.contains(QStringLiteral("2º Trimestre de 2006")));
    EXPECT_TRUE(erros.contains(QStringLiteral("E sem período")));
    EXPECT_FALSE(erros.contains(QStringLiteral("A 2004")));
    EXPECT_TRUE(avisos.contains(QStringLiteral("AVISO")));
    EXPECT_TRUE(avisos.contains(QStringLiteral("4º Trimestre de 2004")));
    EXPECT_FALSE(avisos.contains(QStringLiteral("E 2006")));
    EXPECT_TRUE(avisos.contains(QStringLiteral("Página: 002")));
}

TEST_F(ValidacaoImpressa, AnEmptyListIsNamedAndOnlyTheOtherPrints)
{
    banco.sql(QStringLiteral("DELETE FROM VALIDACAO WHERE DE_PERI < '20051' AND DE_PERI <> ''"));
    const FormaImpressao *forma = RegistroRelatorios::localizar(QStringLiteral("VALIDACAO"));
    ASSERT_NE(forma, nullptr);
    ImpressaoComposta impressao;
    forma->montar(impressao);
    impressao.carregar(banco.db(), operadora, {});
    EXPECT_TRUE(impressao.relatorio(1).vazio());
    EXPECT_EQ(RegistroRelatorios::mensagemSemDados(*forma, impressao),
              QStringLiteral("O relatório abaixo não apresenta dados:\rAVISO"));
    const DocumentoRelatorio doc = impressao.documento();
    ASSERT_EQ(doc.totalPaginas(), 1);
    EXPECT_TRUE(doc.textosDaPagina(0).contains(QStringLiteral("ERRO")));

    banco.sql(QStringLiteral("DELETE FROM VALIDACAO WHERE TP_VLDC = '2'"));
    ImpressaoComposta vazia;
    forma->montar(vazia);
    vazia.carregar(banco.db(), operadora, {});
    EXPECT_FALSE(vazia.temDados());
    EXPECT_EQ(RegistroRelatorios::mensagemSemDados(*forma, vazia),
              QStringLiteral("O relatório abaixo não apresenta dados \rERRO\rAVISO"));
}

TEST(RegistroRelatoriosTeste, FindsAQuadroHoweverItIsWritten)
{
    for (const char *chave : {"validacao", "VALIDAÇÃO", " Validacao "})
        EXPECT_NE(RegistroRelatorios::localizar(QString::fromUtf8(chave)), nullptr) << chave;
    EXPECT_EQ(RegistroRelatorios::normalizar(QStringLiteral("quadro 15a")), QStringLiteral("15A"));
    EXPECT_EQ(RegistroRelatorios::localizar(QStringLiteral("14A")), nullptr);
    // Every entry can be built and names what it prints.
    for (const FormaImpressao &f : RegistroRelatorios::formas()) {
        ImpressaoComposta i;
        f.montar(i);
        EXPECT_GT(i.quantidade(), 0) << f.chave.toStdString();
        EXPECT_FALSE(f.descricao.isEmpty());
        EXPECT_EQ(RegistroRelatorios::normalizar(f.chave), f.chave);
    }
}
