// The report preview: it shows the document's pages and saves them as PDF.

#include "relatorios_apoio.h"

#include "relatorios/ImpressaoComposta.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QToolBar>

using namespace kelpa;
using namespace kelpa::relatorios;
using namespace kelpa::teste;
using namespace kelpa::teste::relatorios;

TEST(VisualizadorRelatorioTeste, ShowsEveryPageAndSavesThemAsPdf)
{
    BancoTemporario banco;
    cadastrarOperadora(banco);
    ImpressaoComposta impressao;
    impressao.adicionar(std::make_unique<RelatorioDeValores>(QStringLiteral("Primeiro"), lancamentos(80)));
    impressao.adicionar(std::make_unique<RelatorioDeValores>(QStringLiteral("Segundo"), lancamentos(3),
                                                            FormatoPagina::paisagem()));
    impressao.carregar(banco.db(), operadora, {});
    const DocumentoRelatorio doc = impressao.documento(QStringLiteral("Quadros"));
    ASSERT_GE(doc.totalPaginas(), 3);

    VisualizadorRelatorio visualizador(doc);
    auto *previa = visualizador.findChild<QPrintPreviewWidget *>();
    ASSERT_NE(previa, nullptr);
    previa->updatePreview();
    EXPECT_EQ(previa->pageCount(), doc.totalPaginas());

    // "Salvar como PDF..." sits on the preview's tool bar.
    auto *barra = visualizador.findChild<QToolBar *>();
    ASSERT_NE(barra, nullptr);
    EXPECT_TRUE(barra->actions().contains(visualizador.acaoSalvarPdf()));
    EXPECT_EQ(visualizador.acaoSalvarPdf()->text(), QStringLiteral("Salvar como PDF..."));

    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("previa.pdf"));
    ASSERT_TRUE(visualizador.salvarPdf(arquivo));
    const QStringList paginas = paginasPdf(arquivo);
    ASSERT_EQ(paginas.size(), doc.totalPaginas());
    EXPECT_TRUE(paginas.last().contains(QStringLiteral("Segundo")));
}
