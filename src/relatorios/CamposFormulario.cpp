#include "CamposFormulario.h"

namespace kelpa::relatorios::Formulario {

namespace {

constexpr double espaco = 1.2; // between two boxes of a line
constexpr double margem = 1.0; // inside a box

const EstiloTexto estiloRotulo{6.3, false, false, QColor(80, 80, 80)};
const EstiloTexto estiloValor{8.5, false, false, QColor(0, 0, 0)};

} // namespace

Banda secao(const QString &titulo, double largura)
{
    Banda b(TipoBanda::CabecalhoGrupo);
    b.texto(QRectF(0, 2.0, largura, 4.4), titulo, Qt::AlignLeft | Qt::AlignBottom, EstiloTexto::forte(9));
    b.linha(QLineF(0, 6.8, largura, 6.8), 0.3, QColor(41, 22, 75));
    b.setAltura(8.0);
    return b;
}

Banda linha(const QList<CampoFormulario> &campos, double largura, TipoBanda tipo)
{
    // A form's boxes stand on white: they take no part in a report's row shading.
    Banda b(tipo);
    b.fundo(QColor(Qt::white));
    double pesos = 0;
    for (const CampoFormulario &c : campos)
        pesos += c.peso;
    const double util = largura - espaco * static_cast<double>(std::max<qsizetype>(0, campos.size() - 1));
    double x = 0;
    for (const CampoFormulario &c : campos) {
        const double w = pesos > 0 ? util * c.peso / pesos : 0;
        if (c.rotulo.isEmpty() && c.valor.isEmpty()) { // room left blank
            x += w + espaco;
            continue;
        }
        b.retangulo(QRectF(x, 0, w, alturaCampo), QColor(), QColor(150, 150, 150), 0.2);
        b.rotulo(QRectF(x + margem, 0.5, w - 2 * margem, 2.6), c.rotulo, Qt::AlignLeft | Qt::AlignTop, estiloRotulo);
        b.texto(QRectF(x + margem, 3.4, w - 2 * margem, 4.0), c.valor, Qt::AlignLeft | Qt::AlignTop, estiloValor);
        x += w + espaco;
    }
    b.setAltura(alturaCampo + espaco);
    return b;
}

} // namespace kelpa::relatorios::Formulario
