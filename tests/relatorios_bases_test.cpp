// The report bases: the common header, the "is it empty" test, the composite's
// warning, and the period in force that registration reports read.

#include "relatorios_apoio.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "relatorios/ImpressaoComposta.h"
#include "relatorios/PeriodoEmVigor.h"

using namespace kelpa;
using namespace kelpa::relatorios;
using namespace kelpa::teste;
using namespace kelpa::teste::relatorios;

namespace {

DocumentoRelatorio carregarEPaginar(TqrpModRelatorioQOR &relatorio, const BancoTemporario &banco,
                                    const QString &codigo = operadora)
{
    relatorio.setOperadora(codigo);
    relatorio.setEmissao(QDateTime(QDate(2007, 3, 5), QTime(9, 7, 0)));
    relatorio.carregar(banco.db());
    return DocumentoRelatorio::paginar({relatorio.montar()});
}

// A report whose validity label the test chooses.
class RelatorioComVigencia : public RelatorioDeValores
{
public:
    explicit RelatorioComVigencia(const QString &rotulo)
        : RelatorioDeValores(QStringLiteral("Quadro 2: Dados Básicos"), lancamentos(1))
        , m_rotulo(rotulo)
    {
    }

protected:
    void carregarDados(const QSqlDatabase &) override { setVigencia(m_rotulo); }

private:
    QString m_rotulo;
};

} // namespace

TEST(RelatoriosBases, OperatorCodePrintsWithItsMask)
{
    struct Caso {
        const char *codigo;
        const char *impresso;
    };
    const Caso casos[] = {{"123456", "12345-6"}, {"345678", "34567-8"}, {"001234", "00123-4"}, {"", ""}, {"12345", "12345"}};
    for (const Caso &c : casos)
        EXPECT_EQ(TqrpModRelatorioKELPA::codigoComMascara(QString::fromUtf8(c.codigo)), QString::fromUtf8(c.impresso))
            << c.codigo;
}

TEST(RelatoriosBases, PageNumbersFillInWithThreeDigitsInTheHeaderAndXOfYInTheFooter)
{
    EXPECT_EQ(DocumentoRelatorio::numerar(QStringLiteral("Página: {pagina3}"), 12, 30), QStringLiteral("Página: 012"));
    EXPECT_EQ(DocumentoRelatorio::numerar(QStringLiteral("Página: {pagina3}"), 7, 7), QStringLiteral("Página: 007"));
    EXPECT_EQ(DocumentoRelatorio::numerar(QStringLiteral("Página {pagina} de {paginas}"), 12, 30),
              QStringLiteral("Página 12 de 30"));

    BancoTemporario banco;
    cadastrarOperadora(banco);
    RelatorioDeValores longo(QStringLiteral("Longo"), lancamentos(600));
    const DocumentoRelatorio doc = carregarEPaginar(longo, banco);
    ASSERT_GE(doc.totalPaginas(), 12);
    const QStringList textos = doc.textosDaPagina(11);
    EXPECT_TRUE(textos.contains(QStringLiteral("Página: 012")));
    EXPECT_TRUE(textos.contains(QStringLiteral("Página 12 de %1").arg(doc.totalPaginas())));
}

TEST(RelatoriosBases, HeaderCarriesOperatorNameCnpjTitleAndValidity)
{
    BancoTemporario banco;
    cadastrarOperadora(banco);
    RelatorioComVigencia relatorio(QStringLiteral("Vigência:  A partir de 01/01/2006"));
    const DocumentoRelatorio doc = carregarEPaginar(relatorio, banco);
    const QStringList textos = doc.textosDaPagina(0);
    const QStringList esperados = {QStringLiteral("KELPA"),
                                   QStringLiteral("Emissão: 05/03/2007"),
                                   QStringLiteral("Hora: 09:07:00"),
                                   QStringLiteral("Página: 001"),
                                   QStringLiteral("Versão: 2007.2"),
                                   QStringLiteral("Quadro 2: Dados Básicos"),
                                   QStringLiteral("Vigência:  A partir de 01/01/2006"),
                                   QStringLiteral("Operadora : 34567-8 - ") + nomeOperadora,
                                   QStringLiteral("CNPJ: 96.943.342/0001-14")};
    for (const QString &e : esperados)
        EXPECT_TRUE(textos.contains(e)) << e.toStdString();
    // The generic base's system and department names are hidden in the system's header.
    EXPECT_FALSE(textos.contains(QStringLiteral("Nome do Sistema")));
    EXPECT_FALSE(textos.contains(QStringLiteral("Nome do Departamento")));
    // The header comes first: the title precedes every row.
    EXPECT_LT(textos.indexOf(QStringLiteral("Quadro 2: Dados Básicos")), textos.indexOf(QStringLiteral("Item 001")));
}

TEST(RelatoriosBases, AnEmptyValidityLabelTakesNoRoom)
{
    BancoTemporario banco;
    cadastrarOperadora(banco);
    RelatorioComVigencia com(QStringLiteral("Vigência: 2º Trimestre de 2006"));
    RelatorioComVigencia sem{QString()};
    const DocumentoRelatorio a = carregarEPaginar(com, banco);
    const DocumentoRelatorio b = carregarEPaginar(sem, banco);
    const double alturaCom = a.paginas().first().bandas.first().banda.altura();
    const double alturaSem = b.paginas().first().bandas.first().banda.altura();
    EXPECT_LT(alturaSem, alturaCom - 3);
    for (const QString &t : b.textosDaPagina(0))
        EXPECT_FALSE(t.startsWith(QStringLiteral("Vigência"))) << t.toStdString();
}

TEST(RelatoriosBases, OperatorWithoutItsPersonRowIsNamedFromTheOfficialList)
{
    BancoTemporario banco; // 312345 is in the official list, not registered
    RelatorioDeValores relatorio(QStringLiteral("Lista"), lancamentos(1));
    const DocumentoRelatorio doc = carregarEPaginar(relatorio, banco, QStringLiteral("312345"));
    const QStringList textos = doc.textosDaPagina(0);
    EXPECT_TRUE(textos.contains(QStringLiteral("Operadora : 31234-5 - Vale do Ipê Cooperativa de Trabalho Médico")));
    EXPECT_TRUE(textos.contains(QStringLiteral("CNPJ: 93.740.622/0001-37")));

    RelatorioDeValores desconhecida(QStringLiteral("Lista"), lancamentos(1));
    const DocumentoRelatorio doc2 = carregarEPaginar(desconhecida, banco, QStringLiteral("999999"));
    EXPECT_TRUE(doc2.textosDaPagina(0).contains(QStringLiteral("Operadora : 99999-9 - ")));
}

TEST(RelatoriosBases, InsurersReadPremiumsAndClaims)
{
    const QString titulo = QStringLiteral("Quadro 9: Eventos Indenizáveis Líquidos - Contraprestações");
    EXPECT_EQ(TqrpModRelatorioKELPA::redacao(titulo, true), titulo);
    EXPECT_EQ(TqrpModRelatorioKELPA::redacao(titulo, false), QStringLiteral("Quadro 9: Sinistros Líquidos - Prêmios"));
}

TEST(RelatoriosBases, CompositeLeavesEmptyReportsOutAndNamesThemInTheWarning)
{
    BancoTemporario banco;
    cadastrarOperadora(banco);
    ImpressaoComposta impressao;
    impressao.adicionar(std::make_unique<RelatorioDeValores>(QStringLiteral("Quadro 1: Cadastro"), lancamentos(2)));
    impressao.adicionar(std::make_unique<RelatorioDeValores>(QStringLiteral("Quadro 3: Administradores"), QList<Lancamento>{}));
    impressao.adicionar(std::make_unique<RelatorioDeValores>(QStringLiteral("Quadro 7: Dependências"), QList<Lancamento>{}));
    // Not read yet: nothing counts as printable.
    EXPECT_FALSE(impressao.temDados());

    impressao.carregar(banco.db(), operadora, QDate(2006, 12, 31));
    EXPECT_TRUE(impressao.temDados());
    EXPECT_FALSE(impressao.relatorio(0).vazio());
    EXPECT_TRUE(impressao.relatorio(1).vazio());
    const QStringList semDados = impressao.legendasSemDados();
    EXPECT_EQ(semDados, (QStringList{QStringLiteral("Quadro 3: Administradores"), QStringLiteral("Quadro 7: Dependências")}));
    EXPECT_EQ(ImpressaoComposta::mensagemSemDados(semDados),
              QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período selecionado:\r\r"
                             "Quadro 3: Administradores\rQuadro 7: Dependências\r"));
    const DocumentoRelatorio doc = impressao.documento();
    EXPECT_EQ(doc.iniciosDosRelatorios().size(), 1);
    EXPECT_TRUE(doc.textosDaPagina(0).contains(QStringLiteral("Quadro 1: Cadastro")));

    ImpressaoComposta nenhuma;
    nenhuma.adicionar(std::make_unique<RelatorioDeValores>(QStringLiteral("Vazio"), QList<Lancamento>{}));
    nenhuma.carregar(banco.db(), operadora, {});
    EXPECT_FALSE(nenhuma.temDados());
    EXPECT_TRUE(nenhuma.documento().vazio());
}

// Three responsibles in force from 2006, two from 2005, and a newer period of
// another operator: a report must show all rows of one period and no other.
class PeriodoEmVigorTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char *linhas[] = {
            "('345678', 1, 10, '2005-01-01')", "('345678', 2, 11, '2005-01-01')",
            "('345678', 1, 12, '2006-01-01')", "('345678', 2, 13, '2006-01-01')", "('345678', 3, 14, '2006-01-01')",
            "('312345', 1, 15, '2007-01-01')",
        };
        for (const char *l : linhas)
            banco.sql(QStringLiteral("INSERT INTO RESPONSAVEIS (CD_OPER, ID_RPSV, ID_PSOA, DT_INIC_VIGN) VALUES ")
                      + QString::fromUtf8(l));
    }

    QList<qint64> pessoasEmVigor(const QDate &data)
    {
        // The operator parameter appears twice (outer filter and the period's subquery).
        Consulta q(banco.db(), QStringLiteral("SELECT R.ID_PSOA FROM RESPONSAVEIS R WHERE R.CD_OPER = :CDOPER AND ")
                                   + PeriodoEmVigor::filtro(QStringLiteral("RESPONSAVEIS"), QStringLiteral("R"))
                                   + QStringLiteral(" ORDER BY R.ID_RPSV"));
        PeriodoEmVigor::vincular(q, operadora, data);
        q.executar();
        QList<qint64> pessoas;
        while (q.proxima())
            pessoas << q.inteiro(QStringLiteral("ID_PSOA"));
        return pessoas;
    }

    BancoTemporario banco;
};

TEST_F(PeriodoEmVigorTeste, ReadsEveryRowOfThePeriodInForceAndNoOther)
{
    struct Caso {
        QDate data;
        QDate inicio;
        QList<qint64> pessoas;
    };
    const Caso casos[] = {
        {QDate(2006, 6, 30), QDate(2006, 1, 1), {12, 13, 14}},
        {QDate(2006, 1, 1), QDate(2006, 1, 1), {12, 13, 14}},
        {QDate(2005, 12, 31), QDate(2005, 1, 1), {10, 11}},
        {QDate(2004, 12, 31), QDate(), {}},
        {QDate(2009, 1, 1), QDate(2006, 1, 1), {12, 13, 14}}, // another operator's newer period is not ours
        {QDate(), QDate(2006, 1, 1), {12, 13, 14}},           // no date: the newest period
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.data.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(PeriodoEmVigor::inicio(banco.db(), QStringLiteral("RESPONSAVEIS"), operadora, c.data), c.inicio);
        EXPECT_EQ(pessoasEmVigor(c.data), c.pessoas);
    }
}

TEST_F(PeriodoEmVigorTeste, RefusesTableNamesThatAreNotPlainIdentifiers)
{
    EXPECT_THROW(PeriodoEmVigor::filtro(QStringLiteral("RESPONSAVEIS; DROP TABLE PESSOAS")), ErroBanco);
    EXPECT_THROW(PeriodoEmVigor::inicio(banco.db(), QStringLiteral("X WHERE 1=1 --"), operadora, {}), ErroBanco);
    EXPECT_THROW(PeriodoEmVigor::filtro(QStringLiteral("RESPONSAVEIS"), QStringLiteral("R.")), ErroBanco);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM RESPONSAVEIS")).toInt(), 6);
}
