#include "ComparacaoVersao.h"

#include <QStringList>

namespace kelpa {

namespace {

struct Parte {
    bool temNumero = false;
    QString digitos; // without leading zeros
    QString resto;
};

Parte lerParte(const QString &texto)
{
    Parte p;
    qsizetype i = 0;
    while (i < texto.size() && texto.at(i).isDigit() && texto.at(i).unicode() < 128)
        ++i;
    p.temNumero = i > 0;
    p.digitos = texto.left(i);
    while (p.digitos.size() > 1 && p.digitos.startsWith(u'0'))
        p.digitos.remove(0, 1);
    p.resto = texto.mid(i);
    return p;
}

// Digit strings of any length compared as numbers, without overflow.
int compararNumeros(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

int sinal(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

int CompararVersoes(const QString &a, const QString &b)
{
    const QString ta = a.trimmed();
    const QString tb = b.trimmed();
    if (ta.isEmpty() || tb.isEmpty())
        return ta.isEmpty() && tb.isEmpty() ? 0 : (ta.isEmpty() ? -1 : 1);
    const QStringList pa = ta.split(u'.');
    const QStringList pb = tb.split(u'.');
    const qsizetype n = std::max(pa.size(), pb.size());
    for (qsizetype i = 0; i < n; ++i) {
        const Parte x = lerParte(i < pa.size() ? pa.at(i) : QStringLiteral("0"));
        const Parte y = lerParte(i < pb.size() ? pb.at(i) : QStringLiteral("0"));
        if (x.temNumero != y.temNumero)
            return x.temNumero ? 1 : -1;
        if (x.temNumero) {
            if (const int c = compararNumeros(x.digitos, y.digitos))
                return sinal(c);
        }
        if (const int c = x.resto.compare(y.resto))
            return sinal(c);
    }
    return 0;
}

} // namespace kelpa
