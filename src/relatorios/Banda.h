#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

namespace kelpa::relatorios {

// What a band is for decides how the page breaks treat it: a group header never
// stays alone at the foot of a page, a detail row may carry the report's shading.
enum class TipoBanda {
    Titulo,         // first band of a report
    CabecalhoGrupo, // opens a group; kept with the band that follows
    Detalhe,        // one row of data; takes the report's alternating shading
    SubDetalhe,     // continues the previous detail row, in its colour
    RodapeGrupo,    // closes a group (subtotals)
    Resumo,         // closes the report (totals)
};

struct EstiloTexto {
    double pontos = 8.0;
    bool negrito = false;
    bool italico = false;
    QColor cor = QColor(0, 0, 0);

    static EstiloTexto padrao() { return {}; }
    static EstiloTexto forte(double pontos = 8.0) { return {pontos, true, false, QColor(0, 0, 0)}; }
};

// Everything is measured in millimetres from the band's top-left corner, so one
// layout serves the preview, the printer and the PDF alike.
struct ItemTexto {
    QRectF caixa; // its height is the minimum; a wrapping text makes the band grow
    QString texto;
    Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignTop;
    EstiloTexto estilo;
    bool quebrarLinhas = true;
    // Page numbers are only known once the whole document is laid out: the texts of
    // page headers and footers may carry "{pagina}", "{pagina3}" (three digits) and
    // "{paginas}", replaced when the page is drawn.
    bool numeracao = false;
};

struct ItemLinha {
    QLineF linha;
    double espessura = 0.2;
    QColor cor = QColor(0, 0, 0);
};

struct ItemRetangulo {
    QRectF caixa;
    QColor preenchimento;   // invalid: not filled
    QColor borda;           // invalid: no border
    double espessura = 0.2;
};

class Banda
{
public:
    explicit Banda(TipoBanda tipo = TipoBanda::Detalhe, double altura = 0);

    Banda &texto(const QRectF &caixa, const QString &texto, Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignTop,
                 const EstiloTexto &estilo = {});
    // A text that never wraps (labels, numbers); it is drawn in full even when wider than its box.
    Banda &rotulo(const QRectF &caixa, const QString &texto, Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignTop,
                  const EstiloTexto &estilo = {});
    Banda &numeracao(const QRectF &caixa, const QString &modelo, Qt::Alignment alinhamento, const EstiloTexto &estilo = {});
    Banda &linha(const QLineF &linha, double espessura = 0.2, const QColor &cor = QColor(0, 0, 0));
    Banda &retangulo(const QRectF &caixa, const QColor &preenchimento, const QColor &borda = QColor(),
                     double espessura = 0.2);
    Banda &fundo(const QColor &cor);
    Banda &quebraPaginaAntes(bool quebra = true);
    // Repeated at the top of the next page when the group it opens goes on there.
    Banda &repetirNaQuebra(bool repetir = true);

    TipoBanda tipo() const { return m_tipo; }
    double altura() const { return m_altura; }
    void setAltura(double altura) { m_altura = altura; }
    QColor corFundo() const { return m_fundo; }
    bool temQuebraAntes() const { return m_quebraAntes; }
    bool repeteNaQuebra() const { return m_repetir; }
    bool vazia() const { return m_textos.isEmpty() && m_linhas.isEmpty() && m_retangulos.isEmpty() && m_altura <= 0; }

    const QList<ItemTexto> &textos() const { return m_textos; }
    QList<ItemTexto> &textos() { return m_textos; }
    const QList<ItemLinha> &linhas() const { return m_linhas; }
    QList<ItemLinha> &linhas() { return m_linhas; }
    const QList<ItemRetangulo> &retangulos() const { return m_retangulos; }
    QList<ItemRetangulo> &retangulos() { return m_retangulos; }

    // Every text that appears in the band, in order (for tests and for the "is it empty" checks).
    QStringList textosVisiveis() const;

private:
    TipoBanda m_tipo;
    double m_altura;
    QColor m_fundo;
    bool m_quebraAntes = false;
    bool m_repetir = false;
    QList<ItemTexto> m_textos;
    QList<ItemLinha> m_linhas;
    QList<ItemRetangulo> m_retangulos;
};

} // namespace kelpa::relatorios
