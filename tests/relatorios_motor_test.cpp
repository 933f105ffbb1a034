// The report engine: page breaks, repeated column headers, group and summary bands,
// page numbers, orientation, composites, and text that stays text in the PDF.

#include "relatorios_apoio.h"

#include "relatorios/ImpressaoComposta.h"

#include <QPdfWriter>
#include <QRegularExpression>
#include <memory>

using namespace kelpa;
using namespace kelpa::relatorios;
using namespace kelpa::teste;
using namespace kelpa::teste::relatorios;

namespace {

struct DefinicaoParte {
    QString titulo;
    QList<Lancamento> dados;
    FormatoPagina formato = FormatoPagina::retrato();
    bool sombreado = true;
};

class MotorRelatorios : public ::testing::Test
{
protected:
    void SetUp() override { cadastrarOperadora(banco); }

    // Reads the forms as a printing selector does and lays out the ones with data.
    DocumentoRelatorio compor(const QList<DefinicaoParte> &definicoes)
    {
        ImpressaoComposta impressao;
        for (const DefinicaoParte &e : definicoes)
            impressao.adicionar(std::make_unique<RelatorioDeValores>(e.titulo, e.dados, e.formato, e.sombreado));
        impressao.carregar(banco.db(), operadora, QDate(2006, 4, 1), QDateTime(QDate(2007, 3, 5), QTime(14, 5, 9)));
        return impressao.documento();
    }

    QString pdf(const DocumentoRelatorio &documento, const QString &nome = QStringLiteral("r.pdf"))
    {
        const QString arquivo = saida.filePath(nome);
        QString erro;
        EXPECT_TRUE(Renderizador::gravarPdf(documento, arquivo, &erro)) << erro.toStdString();
        return arquivo;
    }

    BancoTemporario banco;
    QTemporaryDir saida;
};

int ocorrencias(const QString &texto, const QString &procurado)
{
    return static_cast<int>(texto.count(procurado));
}

} // namespace

TEST_F(MotorRelatorios, LongListBreaksPagesAndRepeatsHeadersOnEveryPage)
{
    const QList<Lancamento> dados = lancamentos(150, {QStringLiteral("SP"), QStringLiteral("RJ"), QStringLiteral("MG")});
    const DocumentoRelatorio doc = compor({{QStringLiteral("Quadro 99: Valores por UF"), dados}});
    ASSERT_GE(doc.totalPaginas(), 3);

    const QString arquivo = pdf(doc);
    const QStringList paginas = paginasPdf(arquivo);
    ASSERT_EQ(paginas.size(), doc.totalPaginas());
    const QString total = QString::number(doc.totalPaginas());
    QString tudo;
    for (qsizetype i = 0; i < paginas.size(); ++i) {
        const QString &p = paginas.at(i);
        const QString n = QString::number(i + 1);
        SCOPED_TRACE("página " + n.toStdString());
        // Page header, column header and footer on every page.
        EXPECT_TRUE(p.contains(QStringLiteral("KELPA")));
        EXPECT_TRUE(p.contains(QStringLiteral("Quadro 99: Valores por UF")));
        EXPECT_TRUE(p.contains(QStringLiteral("Operadora : 34567-8 - ") + nomeOperadora));
        EXPECT_TRUE(p.contains(QStringLiteral("CNPJ: 96.943.342/0001-14")));
        EXPECT_TRUE(p.contains(QStringLiteral("Vigência : 2º Trimestre de 2006")));
        EXPECT_TRUE(p.contains(QStringLiteral("Emissão: 05/03/2007")));
        EXPECT_TRUE(p.contains(QStringLiteral("Hora: 14:05:09")));
        EXPECT_TRUE(p.contains(QStringLiteral("Versão: 2007.2")));
        EXPECT_EQ(ocorrencias(p, QStringLiteral("Descrição")), 1);
        EXPECT_EQ(ocorrencias(p, QStringLiteral("Valor (R$)")), 1);
        EXPECT_TRUE(p.contains(QStringLiteral("Página: %1").arg(i + 1, 3, 10, QLatin1Char('0'))));
        EXPECT_TRUE(p.contains(QStringLiteral("Página ") + n + QStringLiteral(" de ") + total));
        tudo += p;
    }
    // Every row once, none lost or doubled at a page break.
    for (int i = 1; i <= 150; ++i)
        EXPECT_EQ(ocorrencias(tudo, QStringLiteral("Item %1").arg(i, 3, 10, QLatin1Char('0'))), 1) << i;

    // Subtotals and the total in pt-BR form, from exact cents.
    qint64 sp = 0, todos = 0;
    for (const Lancamento &l : dados) {
        todos += centavos(l.valor);
        if (l.uf == QStringLiteral("SP"))
            sp += centavos(l.valor);
    }
    EXPECT_EQ(FormatoBR::valor(todos / 100.0), QStringLiteral("13.980.825,75"));
    EXPECT_TRUE(tudo.contains(QStringLiteral("Subtotal SP")));
    EXPECT_TRUE(tudo.contains(FormatoBR::valor(sp / 100.0)));
    EXPECT_TRUE(paginas.last().contains(QStringLiteral("TOTAL")));
    EXPECT_TRUE(paginas.last().contains(QStringLiteral("13.980.825,75")));
    EXPECT_TRUE(tudo.contains(QStringLiteral("1.234,51")));
}

TEST_F(MotorRelatorios, GroupHeadersNeverEndAPageAndComeBackWhenTheGroupGoesOn)
{
    // Many small groups: some heading is bound to fall near a page's foot.
    QList<Lancamento> dados;
    const QStringList ufs = {QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"),
                             QStringLiteral("BA"), QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"),
                             QStringLiteral("GO"), QStringLiteral("MA"), QStringLiteral("MG"), QStringLiteral("MS")};
    for (int g = 0; g < ufs.size(); ++g)
        for (int i = 0; i < 3 + g * 2; ++i)
            dados.append({ufs.at(g), QStringLiteral("Linha %1 de %2").arg(i + 1).arg(ufs.at(g)), 10.0 + i});
    const DocumentoRelatorio doc = compor({{QStringLiteral("Grupos"), dados}});
    ASSERT_GE(doc.totalPaginas(), 2);

    const double limite = FormatoPagina::retrato().alturaUtil();
    for (qsizetype p = 0; p < doc.totalPaginas(); ++p) {
        const auto &bandas = doc.paginas().at(p).bandas;
        QList<const BandaPosicionada *> corpo;
        for (const BandaPosicionada &b : bandas)
            if (b.banda.tipo() != TipoBanda::Titulo)
                corpo << &b;
        ASSERT_FALSE(corpo.isEmpty());
        EXPECT_NE(corpo.last()->banda.tipo(), TipoBanda::CabecalhoGrupo) << "página " << p + 1;
        // A page that goes on with a group's rows opens with the group's heading.
        if (corpo.first()->banda.tipo() == TipoBanda::Detalhe || corpo.first()->banda.tipo() == TipoBanda::RodapeGrupo)
            ADD_FAILURE() << "página " << p + 1 << " continua um grupo sem o seu título";
        // Nothing runs into the footer, nothing overlaps.
        double y = 0;
        for (const BandaPosicionada &b : bandas) {
            EXPECT_LE(b.y + b.banda.altura(), limite + 0.01);
            EXPECT_GE(b.y + 0.01, y) << "página " << p + 1;
            y = b.y + b.banda.altura();
        }
    }
}

TEST_F(MotorRelatorios, ShadedReportsAlternateRowsAndPlainOnesPrintThemWhite)
{
    const DocumentoRelatorio doc = compor({{QStringLiteral("Sombreado"), lancamentos(6)},
                                          {QStringLiteral("Simples"), lancamentos(6), FormatoPagina::retrato(), false}});
    QList<QColor> sombreado, simples;
    for (const PaginaRelatorio &p : doc.paginas())
        for (const BandaPosicionada &b : p.bandas)
            if (b.banda.tipo() == TipoBanda::Detalhe)
                (p.relatorio == 0 ? sombreado : simples) << b.banda.corFundo();
    ASSERT_EQ(sombreado.size(), 6);
    for (qsizetype i = 0; i < sombreado.size(); ++i)
        EXPECT_EQ(sombreado.at(i), i % 2 == 0 ? QColor(Qt::white) : QColor(233, 233, 233)) << i;
    ASSERT_EQ(simples.size(), 6);
    for (const QColor &c : simples)
        EXPECT_TRUE(!c.isValid() || c == QColor(Qt::white));
}

TEST_F(MotorRelatorios, CompositeStartsEachReportOnANewPageAndNumbersTheWholeDocument)
{
    const DocumentoRelatorio doc = compor({{QStringLiteral("Primeiro relatório"), lancamentos(2)},
                                          {QStringLiteral("Segundo relatório"), lancamentos(90)},
                                          {QStringLiteral("Terceiro relatório"), lancamentos(1)}});
    const QList<qsizetype> inicios = doc.iniciosDosRelatorios();
    ASSERT_EQ(inicios.size(), 3);
    EXPECT_EQ(inicios.at(0), 0);
    EXPECT_EQ(inicios.at(1), 1);
    EXPECT_GE(inicios.at(2), 3);

    const QStringList paginas = paginasPdf(pdf(doc));
    ASSERT_EQ(paginas.size(), doc.totalPaginas());
    const QStringList titulos = {QStringLiteral("Primeiro relatório"), QStringLiteral("Segundo relatório"),
                                 QStringLiteral("Terceiro relatório")};
    for (qsizetype p = 0; p < paginas.size(); ++p) {
        const qsizetype r = doc.paginas().at(p).relatorio;
        for (qsizetype t = 0; t < titulos.size(); ++t)
            EXPECT_EQ(paginas.at(p).contains(titulos.at(t)), t == r) << "página " << p + 1;
        EXPECT_TRUE(paginas.at(p).contains(QStringLiteral("Página %1 de %2").arg(p + 1).arg(paginas.size())));
    }
    // The first report's two rows and total stay on its own page.
    EXPECT_TRUE(paginas.at(0).contains(QStringLiteral("Item 002")));
    EXPECT_FALSE(paginas.at(0).contains(QStringLiteral("Item 003")));
    EXPECT_TRUE(paginas.at(0).contains(QStringLiteral("TOTAL")));
    EXPECT_TRUE(paginas.last().contains(QStringLiteral("Item 001")));
}

TEST_F(MotorRelatorios, PortraitAndLandscapePagesKeepTheirSizeInOneDocument)
{
    const DocumentoRelatorio doc = compor({{QStringLiteral("Retrato"), lancamentos(3)},
                                          {QStringLiteral("Paisagem"), lancamentos(60), FormatoPagina::paisagem(QPageSize::Letter)},
                                          {QStringLiteral("Retrato de novo"), lancamentos(3)}});
    const QList<QSizeF> tamanhos = tamanhosPaginasPdf(pdf(doc));
    ASSERT_EQ(tamanhos.size(), doc.totalPaginas());
    ASSERT_GE(tamanhos.size(), 4);
    for (qsizetype p = 0; p < tamanhos.size(); ++p) {
        const qsizetype r = doc.paginas().at(p).relatorio;
        const QSizeF esperado = r == 1 ? QSizeF(792, 612) : QSizeF(595.276, 841.89);
        EXPECT_NEAR(tamanhos.at(p).width(), esperado.width(), 1) << "página " << p + 1;
        EXPECT_NEAR(tamanhos.at(p).height(), esperado.height(), 1) << "página " << p + 1;
    }
    // Landscape holds fewer rows a page than the wide page would suggest: it broke.
    EXPECT_GE(doc.iniciosDosRelatorios().at(2) - doc.iniciosDosRelatorios().at(1), 2);
}

TEST_F(MotorRelatorios, LongTextsWrapInsideTheirColumnAndPushTheNextRowDown)
{
    const QString longo = QStringLiteral("Contraprestações efetivas de operações de planos de assistência à saúde em "
                                         "preço preestabelecido, líquidas de cancelamentos e descontos concedidos, "
                                         "conforme o plano de contas padrão vigente no trimestre informado");
    const DocumentoRelatorio doc = compor({{QStringLiteral("Textos"), {{QStringLiteral("SP"), longo, 1.5},
                                                                   {QStringLiteral("SP"), QStringLiteral("Depois"), 2.5}}}});
    const auto &bandas = doc.paginas().first().bandas;
    const BandaPosicionada *linhaLonga = nullptr;
    const BandaPosicionada *seguinte = nullptr;
    for (const BandaPosicionada &b : bandas) {
        if (b.banda.textosVisiveis().contains(longo))
            linhaLonga = &b;
        else if (linhaLonga && !seguinte && b.banda.tipo() == TipoBanda::Detalhe)
            seguinte = &b;
    }
    ASSERT_TRUE(linhaLonga && seguinte);
    EXPECT_GT(linhaLonga->banda.altura(), 2 * GradeColunas::alturaLinha - 1);
    EXPECT_GE(seguinte->y + 0.01, linhaLonga->y + linhaLonga->banda.altura());

    // Searchable and whole in the PDF, ligatures included ("fi" stays two letters).
    const QString texto = paginasPdf(pdf(doc)).join(QString()).simplified();
    EXPECT_TRUE(texto.contains(QStringLiteral("líquidas de cancelamentos e descontos concedidos")));
    EXPECT_TRUE(texto.contains(QStringLiteral("efetivas")));
    EXPECT_FALSE(texto.contains(QChar(0xFB01)));
}

TEST_F(MotorRelatorios, PrintsOnlyThePagesTheUserChose)
{
    const DocumentoRelatorio doc = compor({{QStringLiteral("Escolha"), lancamentos(150)}});
    ASSERT_GE(doc.totalPaginas(), 3);
    const QString arquivo = saida.filePath(QStringLiteral("faixa.pdf"));
    {
        QPdfWriter escritor(arquivo);
        QPageRanges faixa;
        faixa.addPage(2);
        escritor.setPageRanges(faixa);
        Renderizador::desenhar(doc, escritor);
    }
    const QStringList paginas = paginasPdf(arquivo);
    ASSERT_EQ(paginas.size(), 1);
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("Página: 002")));
    EXPECT_TRUE(paginas.first().contains(QStringLiteral("Página 2 de %1").arg(doc.totalPaginas())));
}

TEST_F(MotorRelatorios, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft)
{
    const DocumentoRelatorio doc = compor({{QStringLiteral("Falha"), lancamentos(2)}});
    QString erro;
    const QString arquivo = saida.filePath(QStringLiteral("nao/existe/r.pdf"));
    EXPECT_FALSE(Renderizador::gravarPdf(doc, arquivo, &erro));
    EXPECT_TRUE(erro.contains(QStringLiteral("Não foi possível")));
    EXPECT_FALSE(QFileInfo::exists(arquivo));
}
