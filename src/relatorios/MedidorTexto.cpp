#include "MedidorTexto.h"

#include <QFontMetricsF>
#include <QMap>
#include <algorithm>
#include <cmath>

namespace kelpa::relatorios {

namespace {

constexpr double dpiReferencia = 1200.0;
constexpr double mmPorPolegada = 25.4;
constexpr double tolerancia = 0.01; // mm: boxes that touch count as one above the other

double pxParaMm(double px)
{
    return px * mmPorPolegada / dpiReferencia;
}

double mmParaPx(double mm)
{
    return mm * dpiReferencia / mmPorPolegada;
}

} // namespace

MedidorTexto::MedidorTexto()
    : m_referencia(8, 8, QImage::Format_ARGB32)
{
    const int pontosPorMetro = static_cast<int>(std::lround(dpiReferencia / 0.0254));
    m_referencia.setDotsPerMeterX(pontosPorMetro);
    m_referencia.setDotsPerMeterY(pontosPorMetro);
}

QFont MedidorTexto::fonte(const EstiloTexto &estilo)
{
    // DejaVu Sans ships with the program's dependencies; the others stand in on
    // machines that have them and not it.
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(estilo.pontos);
    f.setBold(estilo.negrito);
    f.setItalic(estilo.italico);
    f.setHintingPreference(QFont::PreferNoHinting);
    // A report is searched and copied from the PDF: "Verifique" must stay six letters,
    // not "Veri" + the "fi" ligature. Any letter spacing turns ligatures off; this one
    // is too small to see.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    return f;
}

double MedidorTexto::alturaNecessaria(const ItemTexto &item) const
{
    const QFontMetricsF fm(fonte(item.estilo), &m_referencia);
    if (item.texto.isEmpty())
        return 0;
    if (!item.quebrarLinhas) {
        const int linhas = static_cast<int>(item.texto.count(u'\n')) + 1;
        return pxParaMm(fm.height() + (linhas - 1) * fm.lineSpacing());
    }
    const QRectF medida = fm.boundingRect(QRectF(0, 0, mmParaPx(item.caixa.width()), 1e7),
                                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, item.texto);
    return pxParaMm(medida.height());
}

void MedidorTexto::ajustar(Banda &banda) const
{
    QList<ItemTexto> &textos = banda.textos();
    if (textos.isEmpty())
        return;

    // Texts that start at the same height form a row and share its height.
    QMap<double, double> alturaDaLinha; // declared top -> height the row needs
    for (const ItemTexto &t : textos) {
        const double topo = std::round(t.caixa.top() * 100) / 100;
        const double necessaria = std::max(t.caixa.height(), alturaNecessaria(t));
        alturaDaLinha[topo] = std::max(alturaDaLinha.value(topo, 0.0), necessaria);
    }

    // Walk the rows top to bottom: each moves down by what the rows above it grew.
    struct Deslocamento {
        double fundoDeclarado;
        double acumulado; // how far everything under this row moves
    };
    QList<Deslocamento> linhas;
    QMap<double, double> deslocamentoDaLinha;
    for (auto it = alturaDaLinha.cbegin(); it != alturaDaLinha.cend(); ++it) {
        const double topo = it.key();
        double deslocamento = 0;
        double fundoDeclarado = topo;
        for (const ItemTexto &t : textos)
            if (std::abs(std::round(t.caixa.top() * 100) / 100 - topo) < tolerancia)
                fundoDeclarado = std::max(fundoDeclarado, t.caixa.bottom());
        for (const Deslocamento &d : linhas)
            if (d.fundoDeclarado <= topo + tolerancia)
                deslocamento = std::max(deslocamento, d.acumulado);
        const double crescimento = std::max(0.0, topo + it.value() - fundoDeclarado);
        deslocamentoDaLinha[topo] = deslocamento;
        linhas.append({fundoDeclarado, deslocamento + crescimento});
    }
    auto deslocamentoAbaixoDe = [&linhas](double y) {
        double d = 0;
        for (const Deslocamento &l : linhas)
            if (l.fundoDeclarado <= y + tolerancia)
                d = std::max(d, l.acumulado);
        return d;
    };

    double fundo = 0;
    for (ItemTexto &t : textos) {
        const double topo = std::round(t.caixa.top() * 100) / 100;
        t.caixa.moveTop(t.caixa.top() + deslocamentoDaLinha.value(topo));
        t.caixa.setHeight(alturaDaLinha.value(topo));
        fundo = std::max(fundo, t.caixa.bottom());
    }
    double crescimentoTotal = 0;
    for (const Deslocamento &l : linhas)
        crescimentoTotal = std::max(crescimentoTotal, l.acumulado);

    // Lines and boxes keep their place relative to the texts above them; a box drawn
    // around texts (a frame, a shaded row) stretches with them.
    for (ItemLinha &l : banda.linhas())
        l.linha.translate(0, deslocamentoAbaixoDe(std::min(l.linha.y1(), l.linha.y2())));
    for (ItemRetangulo &r : banda.retangulos()) {
        const double topo = r.caixa.top() + deslocamentoAbaixoDe(r.caixa.top());
        const double baixo = r.caixa.bottom() + deslocamentoAbaixoDe(r.caixa.bottom());
        r.caixa = QRectF(r.caixa.left(), topo, r.caixa.width(), baixo - topo);
        fundo = std::max(fundo, r.caixa.bottom());
    }
    for (const ItemLinha &l : banda.linhas())
        fundo = std::max({fundo, l.linha.y1() + l.espessura / 2, l.linha.y2() + l.espessura / 2});
    banda.setAltura(std::max(banda.altura() + crescimentoTotal, fundo));
}

} // namespace kelpa::relatorios
