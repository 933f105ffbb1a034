#include "Moeda.h"

#include "plataforma/FormatoBR.h"

#include <QRegularExpression>
#include <cmath>

namespace kelpa {

namespace {

// Larger amounts would not survive the trip through the database's double.
constexpr int maximoDigitosInteiros = 14;

} // namespace

Moeda Moeda::deReais(double reais)
{
    if (!std::isfinite(reais))
        return Moeda();
    return Moeda(std::llround(reais * 10000.0));
}

Moeda Moeda::doBanco(const QVariant &valor)
{
    if (valor.isNull())
        return Moeda();
    bool ok = false;
    const double reais = valor.toDouble(&ok);
    return ok ? deReais(reais) : Moeda();
}

QString Moeda::texto() const
{
    return FormatoBR::valor(reais(), 2);
}

QString Moeda::textoSemAgrupamento() const
{
    QString t = texto();
    t.remove(u'.');
    return t;
}

std::optional<Moeda> Moeda::ler(const QString &texto)
{
    // Grouped thousands never start with a zero group ("0.123" is a decimal point).
    static const QRegularExpression agrupado(QStringLiteral(R"(^([1-9]\d{0,2}(?:\.\d{3})+)(?:,(\d*))?$)"));
    static const QRegularExpression virgula(QStringLiteral(R"(^(\d*)(?:,(\d*))?$)"));
    static const QRegularExpression ponto(QStringLiteral(R"(^(\d*)\.(\d+)$)"));

    QString t = texto.trimmed();
    bool negativo = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negativo = t.startsWith(u'-');
        t = t.mid(1).trimmed();
    }

    QString inteiros;
    QString decimais;
    if (const auto m = agrupado.match(t); m.hasMatch()) {
        inteiros = m.captured(1).remove(u'.');
        decimais = m.captured(2);
    } else if (const auto v = virgula.match(t); v.hasMatch()) {
        inteiros = v.captured(1);
        decimais = v.captured(2);
    } else if (const auto p = ponto.match(t); p.hasMatch()) {
        inteiros = p.captured(1);
        decimais = p.captured(2);
    } else {
        return std::nullopt;
    }
    if (inteiros.isEmpty() && decimais.isEmpty())
        return std::nullopt;

    while (inteiros.size() > 1 && inteiros.startsWith(u'0'))
        inteiros.remove(0, 1);
    if (inteiros.size() > maximoDigitosInteiros)
        return std::nullopt;

    qint64 valor = 0;
    for (const QChar c : inteiros)
        valor = valor * 10 + c.digitValue();
    decimais = decimais.left(4).leftJustified(4, u'0');
    for (const QChar c : decimais)
        valor = valor * 10 + c.digitValue();
    return Moeda(negativo ? -valor : valor);
}

Moeda Moeda::lerDigitado(const QString &texto)
{
    return ler(texto).value_or(Moeda()).truncadaEmCentavos();
}

} // namespace kelpa
