#include "FormatacaoExportacao.h"

#include "plataforma/Win1252.h"

#include <QDate>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace kelpa::FormatacaoExportacao {

namespace {

bool contem(const QByteArray &texto, const char *parte)
{
    return texto.contains(parte);
}

int doisDigitos(const char *p)
{
    return (p[0] - '0') * 10 + (p[1] - '0');
}

bool digitos(QByteArrayView v, qsizetype inicio, qsizetype quantos)
{
    for (qsizetype i = inicio; i < inicio + quantos; ++i)
        if (v[i] < '0' || v[i] > '9')
            return false;
    return true;
}

void anexarFracao(QByteArray &linha, int k, int n)
{
    linha += "<#frac(";
    linha += QByteArray::number(k).rightJustified(2, '0');
    linha += QByteArray::number(n).rightJustified(2, '0');
    linha += ")#>";
}

} // namespace

TipoCampo tipoPorDeclaracao(QByteArrayView declaracao)
{
    const QByteArray tipo = declaracao.toByteArray().trimmed().toUpper();
    if (tipo.isEmpty())
        return TipoCampo::SemDeclaracao;
    if (contem(tipo, "DATE") || contem(tipo, "TIMESTAMP"))
        return TipoCampo::Data;
    if (contem(tipo, "BOOL") || tipo.startsWith("TIME") || contem(tipo, "BLOB") || contem(tipo, "BINARY"))
        return TipoCampo::Outro;
    if (contem(tipo, "INT") || contem(tipo, "COUNTER") || contem(tipo, "AUTOINCREMENT"))
        return TipoCampo::Inteiro;
    if (contem(tipo, "CHAR") || contem(tipo, "TEXT") || contem(tipo, "CLOB") || contem(tipo, "MEMO")
        || contem(tipo, "STRING"))
        return TipoCampo::Texto;
    if (contem(tipo, "DOUB") || contem(tipo, "REAL") || contem(tipo, "FLOA") || contem(tipo, "NUM")
        || contem(tipo, "DEC") || contem(tipo, "CURRENCY") || contem(tipo, "MONEY"))
        return TipoCampo::Real;
    return TipoCampo::Outro;
}

void anexarTexto(QByteArray &destino, QByteArrayView utf8)
{
    const qsizetype inicio = destino.size();
    Win1252::anexarUtf8(destino, utf8);
    char *p = destino.data() + inicio;
    char *const fim = destino.data() + destino.size();
    for (; p < fim; ++p)
        if (*p == '|' || *p == '\n' || *p == '\r')
            *p = ' ';
}

void anexarInteiro(QByteArray &destino, qint64 valor)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor);
    destino.append(buf, r.ptr - buf);
}

void anexarReal(QByteArray &destino, double valor)
{
    if (!std::isfinite(valor))
        return;
    // 15 significant digits, as the value was typed or computed in decimal; then the
    // decimal rounding to cents works on those digits, not on the binary value.
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific, 14);
    const std::string_view texto(buf, r.ptr - buf);
    const auto posE = texto.find('e');
    std::string significativos;
    significativos.reserve(15);
    for (char c : texto.substr(0, posE))
        if (c != '.')
            significativos += c;
    const int expoente = std::atoi(std::string(texto.substr(posE + 1)).c_str());

    // Digits of round(|valor| * 100): the first expoente + 3 significant digits.
    const int manter = expoente + 3;
    std::string centavos;
    bool arredondaParaCima = false;
    if (manter <= 0) {
        arredondaParaCima = manter == 0 && significativos[0] >= '5';
    } else if (manter >= int(significativos.size())) {
        centavos = significativos + std::string(size_t(manter) - significativos.size(), '0');
    } else {
        centavos = significativos.substr(0, size_t(manter));
        arredondaParaCima = significativos[size_t(manter)] >= '5';
    }
    if (arredondaParaCima) {
        int i = int(centavos.size()) - 1;
        while (i >= 0 && centavos[size_t(i)] == '9')
            centavos[size_t(i--)] = '0';
        if (i >= 0)
            ++centavos[size_t(i)];
        else
            centavos.insert(centavos.begin(), '1');
    }
    const auto primeiro = centavos.find_first_not_of('0');
    centavos = primeiro == std::string::npos ? std::string() : centavos.substr(primeiro);
    if (centavos.size() < 3)
        centavos.insert(0, 3 - centavos.size(), '0');
    if (valor < 0 && centavos.find_first_not_of('0') != std::string::npos)
        destino.append('-');
    destino.append(centavos.data(), qsizetype(centavos.size() - 2));
    destino.append('.');
    destino.append(centavos.data() + centavos.size() - 2, 2);
}

void anexarData(QByteArray &destino, QByteArrayView iso)
{
    if (iso.size() < 10 || iso[4] != '-' || iso[7] != '-' || !digitos(iso, 0, 4) || !digitos(iso, 5, 2)
        || !digitos(iso, 8, 2))
        return;
    if (iso.size() > 10 && iso[10] != ' ' && iso[10] != 'T')
        return;
    const int ano = doisDigitos(iso.data()) * 100 + doisDigitos(iso.data() + 2);
    if (!QDate::isValid(ano, doisDigitos(iso.data() + 5), doisDigitos(iso.data() + 8)))
        return;
    destino.append(iso.data() + 8, 2);
    destino.append('/');
    destino.append(iso.data() + 5, 2);
    destino.append('/');
    destino.append(iso.data(), 4);
}

QList<QByteArray> linhasDoRegistro(const QByteArray &registro, const QByteArray &prefixo)
{
    const qsizetype comprimento = registro.size();
    if (comprimento <= LimiteRegistro)
        return {registro};
    // The count is the regulator's, kept as it is: when the text ends exactly on a
    // fraction boundary it gives one line more, which then holds only its mark.
    const qsizetype c = comprimento - PrimeiraFracao;
    const int n = int(c / LimiteRegistro + (c % LimiteRegistro != 0 ? 2 : 1));
    const QByteArray resto = registro.mid(prefixo.size() + 1);

    QList<QByteArray> linhas;
    linhas.reserve(n);
    QByteArray primeira = prefixo + "3";
    anexarFracao(primeira, 1, n);
    primeira += resto.left(PrimeiraFracao);
    linhas << primeira;
    qsizetype posicao = PrimeiraFracao;
    for (int k = 2; k <= n; ++k) {
        QByteArray linha;
        anexarFracao(linha, k, n);
        if (posicao < resto.size())
            linha += resto.mid(posicao, LimiteRegistro);
        posicao += LimiteRegistro;
        linhas << linha;
    }
    return linhas;
}

} // namespace kelpa::FormatacaoExportacao
