#include "FormatoBR.h"

#include <QRegularExpression>

namespace kelpa::FormatoBR {

QLocale locale()
{
    QLocale l(QLocale::Portuguese, QLocale::Brazil);
    l.setNumberOptions(QLocale::DefaultNumberOptions);
    return l;
}

void aplicarAoProcesso()
{
    QLocale::setDefault(locale());
}

QString data(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

std::optional<QDate> lerData(const QString &texto)
{
    static const QRegularExpression formato(QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})\s*$)"));
    const auto m = formato.match(texto);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

QString valor(double v, int casas)
{
    // Avoid "-0,00" for tiny negatives that round to zero.
    QString texto = locale().toString(v, 'f', casas);
    static const QRegularExpression zeroNegativo(QStringLiteral("^-0(,0*)?$"));
    if (zeroNegativo.match(texto).hasMatch())
        texto.remove(0, 1);
    return texto;
}

QString inteiro(qint64 v)
{
    return locale().toString(v);
}

std::optional<double> lerValor(const QString &texto)
{
    QString t = texto.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    static const QRegularExpression formato(QStringLiteral(R"(^[-+]?(\d{1,3}(\.\d{3})+|\d+)(,\d+)?$)"));
    if (!formato.match(t).hasMatch())
        return std::nullopt;
    t.remove(u'.');
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace kelpa::FormatoBR
