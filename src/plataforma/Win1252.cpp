#include "Win1252.h"

namespace kelpa::Win1252 {

namespace {

// Code points of 0x80-0x9F; 0 where the code page leaves the position undefined.
constexpr char16_t kFaixa80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char byteForaDoLatin1(char32_t codigo)
{
    for (int i = 0; i < 32; ++i)
        if (kFaixa80[i] != 0 && kFaixa80[i] == codigo)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

char byteDe(char32_t codigo)
{
    if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF))
        return static_cast<char>(codigo);
    if (codigo < 0xA0) // C1 controls: not characters of the code page
        return '?';
    return byteForaDoLatin1(codigo);
}

QByteArray codificar(QStringView texto)
{
    QByteArray saida;
    saida.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < texto.size() && QChar::isLowSurrogate(texto.at(i + 1).unicode())) {
            ++i;
            saida.append('?');
            continue;
        }
        saida.append(QChar::isSurrogate(c) ? '?' : byteDe(c));
    }
    return saida;
}

void anexarUtf8(QByteArray &destino, QByteArrayView utf8)
{
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.data());
    const auto *fim = p + utf8.size();
    while (p < fim) {
        const unsigned char b = *p;
        if (b < 0x80) {
            // Most of a submission is ASCII: copy runs of it in one go.
            const auto *inicio = p;
            while (p < fim && *p < 0x80)
                ++p;
            destino.append(reinterpret_cast<const char *>(inicio), p - inicio);
            continue;
        }
        int continuacoes = 0;
        char32_t codigo = 0;
        char32_t minimo = 0;
        if ((b & 0xE0) == 0xC0) {
            continuacoes = 1;
            codigo = b & 0x1F;
            minimo = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            continuacoes = 2;
            codigo = b & 0x0F;
            minimo = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            continuacoes = 3;
            codigo = b & 0x07;
            minimo = 0x10000;
        } else {
            destino.append('?');
            ++p;
            continue;
        }
        ++p;
        int lidas = 0;
        while (lidas < continuacoes && p < fim && (*p & 0xC0) == 0x80) {
            codigo = (codigo << 6) | (*p & 0x3F);
            ++p;
            ++lidas;
        }
        const bool valido = lidas == continuacoes && codigo >= minimo && codigo <= 0x10FFFF
                            && !(codigo >= 0xD800 && codigo <= 0xDFFF);
        destino.append(valido ? byteDe(codigo) : '?');
    }
}

QString decodificar(QByteArrayView bytes)
{
    QString saida;
    saida.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0) {
            const char16_t u = kFaixa80[b - 0x80];
            saida.append(QChar(u != 0 ? u : char16_t(0xFFFD)));
        } else {
            saida.append(QChar(char16_t(b)));
        }
    }
    return saida;
}

} // namespace kelpa::Win1252
