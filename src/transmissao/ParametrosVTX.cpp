#include "ParametrosVTX.h"

#include "TBlowfishVTX.h"

#include "plataforma/Win1252.h"

#include <QElapsedTimer>
#include <cstdlib>
#include <ctime>

namespace kelpa {

QStringList ParametrosVTX::campos() const
{
    return {versaoRegistro, codigoOperadora, senha, arquivo, arquivoProtocolo, aplicativo, versaoAplicativo,
            extra, crc, janela, ultimoPeriodo};
}

QString ParametrosVTX::texto() const
{
    return campos().join(u'|');
}

std::optional<ParametrosVTX> ParametrosVTX::deTexto(const QString &texto)
{
    const QStringList c = texto.split(u'|');
    if (c.size() != QuantidadeCampos)
        return std::nullopt;
    ParametrosVTX p;
    p.versaoRegistro = c.at(0);
    p.codigoOperadora = c.at(1);
    p.senha = c.at(2);
    p.arquivo = c.at(3);
    p.arquivoProtocolo = c.at(4);
    p.aplicativo = c.at(5);
    p.versaoAplicativo = c.at(6);
    p.extra = c.at(7);
    p.crc = c.at(8);
    p.janela = c.at(9);
    p.ultimoPeriodo = c.at(10);
    return p;
}

QByteArray ParametrosVTX::cifrar() const
{
    return CodificacaoVTX::cifrar(Win1252::codificar(texto()));
}

std::optional<ParametrosVTX> ParametrosVTX::decifrar(const QByteArray &letras)
{
    const auto claro = CodificacaoVTX::decifrar(letras);
    if (!claro)
        return std::nullopt;
    return deTexto(Win1252::decodificar(*claro));
}

QByteArray CodificacaoVTX::chave()
{
    return QByteArrayLiteral("MHRYBOGUZIKXEWJT");
}

QByteArray CodificacaoVTX::paraLetras(const QByteArray &bytes)
{
    QByteArray letras;
    letras.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        letras += char('A' + (b % 16));
        letras += char('A' + (b / 16));
    }
    return letras;
}

std::optional<QByteArray> CodificacaoVTX::deLetras(const QByteArray &letras)
{
    if (letras.size() % 2 != 0)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(letras.size() / 2);
    for (qsizetype i = 0; i < letras.size(); i += 2) {
        const int baixo = letras.at(i) - 'A';
        const int alto = letras.at(i + 1) - 'A';
        if (baixo < 0 || baixo > 15 || alto < 0 || alto > 15)
            return std::nullopt;
        bytes += char(alto * 16 + baixo);
    }
    return bytes;
}

QByteArray CodificacaoVTX::cifrar(const QByteArray &claro)
{
    return paraLetras(TBlowfishVTX(chave()).EncryptECB(claro));
}

std::optional<QByteArray> CodificacaoVTX::decifrar(const QByteArray &letras)
{
    const auto cifrado = deLetras(letras);
    if (!cifrado || cifrado->size() % TBlowfishVTX::TamanhoBloco != 0)
        return std::nullopt;
    QByteArray claro = TBlowfishVTX(chave()).DecryptECB(*cifrado);
    while (claro.endsWith('\0'))
        claro.chop(1);
    return claro;
}

QString nomeArquivoParametros(const QString &codigoOperadora, qint32 milissegundos)
{
    // The fraction of ms/7 rounded half away from zero: a remainder of 4, 5 or 6 gives
    // one, anything less zero; a negative count (after the 32-bit wrap) keeps its sign.
    const qint32 resto = milissegundos % 7;
    QString fracao = QStringLiteral("00000");
    if (std::abs(resto) >= 4)
        fracao = resto < 0 ? QStringLiteral("-00001") : QStringLiteral("00001");
    return codigoOperadora + u'-' + QString::number(milissegundos) + u'-' + fracao + QStringLiteral(".par");
}

qint32 milissegundosDesdeInicio()
{
    qint64 ms = 0;
#ifdef CLOCK_BOOTTIME
    timespec agora{};
    if (clock_gettime(CLOCK_BOOTTIME, &agora) == 0)
        ms = qint64(agora.tv_sec) * 1000 + agora.tv_nsec / 1000000;
    else
#endif
    {
        QElapsedTimer relogio; // the monotonic clock counts from boot too, less suspended time
        relogio.start();
        ms = relogio.msecsSinceReference();
    }
    return static_cast<qint32>(static_cast<quint32>(ms));
}

} // namespace kelpa
