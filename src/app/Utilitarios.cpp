#include "Utilitarios.h"

#include <QDate>

namespace kelpa {

QString CompletaZeros(const QString &texto, int tamanho)
{
    if (texto.size() >= tamanho)
        return texto;
    return QString(tamanho - texto.size(), u'0') + texto;
}

namespace {

bool umDigitoRepetido(const QString &t)
{
    if (t.isEmpty() || t.size() > 20 || !t.at(0).isDigit())
        return false;
    for (const QChar c : t)
        if (c != t.at(0))
            return false;
    return true;
}

int digitoVerificador(int soma)
{
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

bool ehDigito(QChar c) { return c >= u'0' && c <= u'9'; }
bool ehLetraMaiuscula(QChar c) { return c >= u'A' && c <= u'Z'; }

} // namespace

bool DocumentoValido(const QString &texto, TipoDocumento tipo)
{
    if (texto.trimmed().isEmpty() || umDigitoRepetido(texto))
        return false;
    const int tamanho = tipo == TipoDocumento::Cnpj ? 14 : 11;
    if (texto.size() > tamanho)
        return false;
    const QString t = CompletaZeros(texto, tamanho);

    // Every character must be a digit, except the base of an alphanumeric CNPJ.
    QList<int> valores;
    for (int i = 0; i < tamanho; ++i) {
        const QChar c = t.at(i);
        const bool base = i < tamanho - 2;
        if (ehDigito(c) || (tipo == TipoDocumento::Cnpj && base && ehLetraMaiuscula(c)))
            valores << (c.unicode() - 48);
        else
            return false;
    }

    static const int pesosCpf1[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int pesosCpf2[] = {11, 10, 9, 8, 7, 6, 5, 4, 3};
    static const int pesosCnpj1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int pesosCnpj2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3};
    const int *p1 = tipo == TipoDocumento::Cnpj ? pesosCnpj1 : pesosCpf1;
    const int *p2 = tipo == TipoDocumento::Cnpj ? pesosCnpj2 : pesosCpf2;

    int s1 = 0;
    int s2 = 0;
    for (int i = 0; i < tamanho - 2; ++i) {
        s1 += valores.at(i) * p1[i];
        s2 += valores.at(i) * p2[i];
    }
    const int v1 = digitoVerificador(s1);
    const int v2 = digitoVerificador(s2 + 2 * v1);
    return valores.at(tamanho - 2) == v1 && valores.at(tamanho - 1) == v2;
}

bool DocumentoValido(const QString &texto, int tipo)
{
    if (tipo != 0 && tipo != 1)
        return false;
    return DocumentoValido(texto, static_cast<TipoDocumento>(tipo));
}

QVariant ValorOuPadrao(const QVariant &valor, const QVariant &padrao)
{
    if (!valor.isValid() || valor.isNull())
        return padrao;
    switch (valor.metaType().id()) {
    case QMetaType::QDate:
        return valor.toDate() < QDate(1901, 1, 1) ? padrao : valor;
    case QMetaType::QDateTime:
        return valor.toDateTime().date() < QDate(1901, 1, 1) ? padrao : valor;
    case QMetaType::QString: {
        const QString t = valor.toString();
        if (t.isEmpty() || t == QLatin1String("  /  /    ") || t == QLatin1String("  /  /  "))
            return padrao;
        return valor;
    }
    default:
        return valor;
    }
}

QString FormataDocumento(const QString &armazenado)
{
    const QString t = armazenado.trimmed();
    if (t.size() == 11)
        return t.left(3) + u'.' + t.mid(3, 3) + u'.' + t.mid(6, 3) + u'-' + t.mid(9, 2);
    if (t.size() == 14)
        return t.left(2) + u'.' + t.mid(2, 3) + u'.' + t.mid(5, 3) + u'/' + t.mid(8, 4) + u'-' + t.mid(12, 2);
    return t;
}

QString EstadoTransmissaoAoGravar(const QString &estadoAnterior)
{
    if (estadoAnterior == QLatin1String("A") || estadoAnterior == QLatin1String("T"))
        return QStringLiteral("A");
    return QStringLiteral("N");
}

bool EhOperadoraDePlanos(const QString &codigoOperadora)
{
    bool ok = false;
    const qlonglong numero = codigoOperadora.trimmed().toLongLong(&ok);
    return ok && numero > 30000;
}

} // namespace kelpa
