#include "Renderizador.h"

#include "MedidorTexto.h"
#include "app/Versao.h"

#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace kelpa::relatorios {

namespace {

// Turns the page model's millimetres into device pixels. When the printer cannot
// print as close to the edge as the layout asks, the page is drawn a little smaller
// rather than cut.
class Escala
{
public:
    Escala(const QPagedPaintDevice &dispositivo, const FormatoPagina &formato)
    {
        const QRectF area = dispositivo.pageLayout().paintRect(QPageLayout::Millimeter);
        m_fator = 1.0;
        if (formato.larguraUtil() > 0 && formato.alturaUtil() > 0)
            m_fator = std::min({1.0, area.width() / formato.larguraUtil(), area.height() / formato.alturaUtil()});
        m_pxX = dispositivo.logicalDpiX() / 25.4 * m_fator;
        m_pxY = dispositivo.logicalDpiY() / 25.4 * m_fator;
    }

    double fator() const { return m_fator; }
    QPointF ponto(double x, double y) const { return QPointF(x * m_pxX, y * m_pxY); }
    QRectF retangulo(const QRectF &mm, double y0) const
    {
        return QRectF(ponto(mm.left(), mm.top() + y0), ponto(mm.right(), mm.bottom() + y0));
    }
    double espessura(double mm) const { return std::max(1.0, mm * m_pxY); }

private:
    double m_fator;
    double m_pxX;
    double m_pxY;
};

void desenharBanda(QPainter &p, const Escala &escala, const BandaPosicionada &bp, double largura, qsizetype pagina,
                   qsizetype total)
{
    const Banda &banda = bp.banda;
    if (banda.corFundo().isValid() && banda.corFundo() != QColor(Qt::white))
        p.fillRect(escala.retangulo(QRectF(0, 0, largura, banda.altura()), bp.y), banda.corFundo());

    for (const ItemRetangulo &r : banda.retangulos()) {
        const QRectF caixa = escala.retangulo(r.caixa, bp.y);
        if (r.preenchimento.isValid())
            p.fillRect(caixa, r.preenchimento);
        if (r.borda.isValid()) {
            p.setPen(QPen(r.borda, escala.espessura(r.espessura)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(caixa);
        }
    }
    for (const ItemLinha &l : banda.linhas()) {
        p.setPen(QPen(l.cor, escala.espessura(l.espessura), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(escala.ponto(l.linha.x1(), l.linha.y1() + bp.y), escala.ponto(l.linha.x2(), l.linha.y2() + bp.y));
    }
    for (const ItemTexto &t : banda.textos()) {
        if (t.texto.isEmpty())
            continue;
        EstiloTexto estilo = t.estilo;
        estilo.pontos *= escala.fator();
        p.setFont(MedidorTexto::fonte(estilo));
        p.setPen(t.estilo.cor);
        int flags = static_cast<int>(t.alinhamento) | Qt::TextDontClip;
        if (t.quebrarLinhas)
            flags |= Qt::TextWordWrap;
        p.drawText(escala.retangulo(t.caixa, bp.y), flags,
                   t.numeracao ? DocumentoRelatorio::numerar(t.texto, pagina, total) : t.texto);
    }
}

} // namespace

void Renderizador::desenhar(const DocumentoRelatorio &documento, QPagedPaintDevice &dispositivo)
{
    const QPageRanges escolhidas = dispositivo.pageRanges();
    QList<qsizetype> paginas;
    for (qsizetype i = 0; i < documento.totalPaginas(); ++i)
        if (escolhidas.isEmpty() || escolhidas.contains(static_cast<int>(i + 1)))
            paginas << i;
    if (paginas.isEmpty())
        return;

    // The layout of the first page must be set before painting starts; the others
    // just before the page they open.
    dispositivo.setPageLayout(documento.paginas().at(paginas.first()).formato.layout());
    QPainter p;
    if (!p.begin(&dispositivo))
        return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (qsizetype n = 0; n < paginas.size(); ++n) {
        const PaginaRelatorio &pagina = documento.paginas().at(paginas.at(n));
        if (n > 0) {
            if (!(documento.paginas().at(paginas.at(n - 1)).formato == pagina.formato))
                dispositivo.setPageLayout(pagina.formato.layout());
            dispositivo.newPage();
        }
        const Escala escala(dispositivo, pagina.formato);
        const double largura = pagina.formato.larguraUtil();
        for (const BandaPosicionada &bp : pagina.bandas)
            desenharBanda(p, escala, bp, largura, paginas.at(n) + 1, documento.totalPaginas());
    }
    p.end();
}

void Renderizador::gravarPdf(const DocumentoRelatorio &documento, QIODevice &saida)
{
    QPdfWriter pdf(&saida);
    pdf.setResolution(1200);
    pdf.setTitle(documento.titulo());
    pdf.setCreator(QStringLiteral("KELPA ") + versaoPrograma());
    desenhar(documento, pdf);
}

bool Renderizador::gravarPdf(const DocumentoRelatorio &documento, const QString &arquivo, QString *erro)
{
    if (documento.vazio()) {
        if (erro)
            *erro = QStringLiteral("Não há páginas a gravar em %1.").arg(arquivo);
        return false;
    }
    QSaveFile destino(arquivo);
    if (!destino.open(QIODevice::WriteOnly)) {
        if (erro)
            *erro = QStringLiteral("Não foi possível criar o arquivo %1: %2").arg(arquivo, destino.errorString());
        return false;
    }
    gravarPdf(documento, destino);
    if (!destino.commit()) {
        if (erro)
            *erro = QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(arquivo, destino.errorString());
        return false;
    }
    return true;
}

} // namespace kelpa::relatorios
