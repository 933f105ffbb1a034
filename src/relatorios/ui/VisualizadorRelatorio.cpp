#include "VisualizadorRelatorio.h"

#include "app/ui/MensagemDlg.h"
#include "relatorios/ImpressaoComposta.h"
#include "relatorios/RegistroRelatorios.h"
#include "relatorios/Renderizador.h"

#include <QAction>
#include <QFileDialog>
#include <QPrinter>
#include <QToolBar>

namespace kelpa::relatorios {

VisualizadorRelatorio::VisualizadorRelatorio(const DocumentoRelatorio &documento, QWidget *parent)
    : QPrintPreviewDialog(parent)
    , m_documento(documento)
{
    // The preview draws at print resolution, so that it shows the page exactly as
    // paper and PDF will have it.
    QPrinter *impressora = printer();
    impressora->setResolution(1200);
    if (!m_documento.vazio())
        impressora->setPageLayout(m_documento.paginas().first().formato.layout());
    impressora->setDocName(m_documento.titulo());
    impressora->setCreator(QStringLiteral("KELPA"));
    setWindowTitle(QStringLiteral("Visualização de Impressão - ") + m_documento.titulo());
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *destino) { Renderizador::desenhar(m_documento, *destino); });

    m_salvarPdf = new QAction(QStringLiteral("Salvar como PDF..."), this);
    m_salvarPdf->setToolTip(QStringLiteral("Grava o relatório em um arquivo PDF"));
    connect(m_salvarPdf, &QAction::triggered, this, &VisualizadorRelatorio::perguntarESalvarPdf);
    if (auto *barra = findChild<QToolBar *>()) {
        barra->addSeparator();
        barra->addAction(m_salvarPdf);
    } else {
        addAction(m_salvarPdf);
    }
}

VisualizadorRelatorio::~VisualizadorRelatorio() = default;

bool VisualizadorRelatorio::salvarPdf(const QString &arquivo)
{
    QString erro;
    if (!Renderizador::gravarPdf(m_documento, arquivo, &erro)) {
        MostraErro(erro, this);
        return false;
    }
    return true;
}

void VisualizadorRelatorio::perguntarESalvarPdf()
{
    const QString arquivo = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar como PDF"),
                                                         m_documento.titulo() + QStringLiteral(".pdf"),
                                                         QStringLiteral("Documento PDF (*.pdf)"));
    if (!arquivo.isEmpty())
        salvarPdf(arquivo);
}

bool VisualizadorRelatorio::mostrar(const ImpressaoComposta &impressao, const QString &mensagem, QWidget *parent)
{
    if (!mensagem.isEmpty())
        MensagemDlg(mensagem, TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, parent);
    if (!impressao.temDados())
        return false;
    VisualizadorRelatorio visualizador(impressao.documento(), parent);
    visualizador.exec();
    return true;
}

bool VisualizadorRelatorio::imprimir(const FormaImpressao &forma, const QSqlDatabase &db, const QString &operadora,
                                     const QDate &data, QWidget *parent)
{
    ImpressaoComposta impressao;
    forma.montar(impressao);
    impressao.carregar(db, operadora, data);
    return mostrar(impressao, RegistroRelatorios::mensagemSemDados(forma, impressao), parent);
}

} // namespace kelpa::relatorios
