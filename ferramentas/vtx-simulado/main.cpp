// vtx-simulado: stands in for VTX, the regulator's transmission client, on machines
// and in tests that do not have it. It accepts what KELPA hands to VTX and answers
// as VTX does, without sending anything anywhere:
//
//   vtx-simulado PARAMETER_FILE
//
// It deciphers the parameter file, checks the eleven fields (record version 1, a
// six-digit operator code, a password, a file that exists and whose CRC-32 matches,
// a plain protocol file name, ...), writes the protocol XML into the "Protocolos"
// folder beside itself and exits with 9 (sent). A record that fails a check ends with
// exit code 1 and the reason on stderr, and writes no protocol.
//
// Environment, for tests and demonstrations:
//   VTX_SIMULADO_SAIDA=N          exit with N instead of 9 (still writing the protocol)
//   VTX_SIMULADO_SEM_PROTOCOLO=1  write no protocol XML
//   VTX_SIMULADO_ESPERA_MS=N      wait N milliseconds before ending, as a user would
//   VTX_SIMULADO_RELATORIO=FILE   write what was received as JSON: the fields, the
//                                 parameter file's path and permissions, the working directory

#include "exportacao/TCrc32.h"
#include "transmissao/ParametrosVTX.h"
#include "transmissao/TVTX.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <QThread>
#include <QXmlStreamWriter>

using namespace kelpa;

namespace {

QTextStream &erro()
{
    static QTextStream s(stderr);
    return s;
}

int recusar(const QString &motivo)
{
    erro() << "vtx-simulado: " << motivo << Qt::endl;
    return 1;
}

QString permissoes(const QString &arquivo)
{
    const QFileDevice::Permissions p = QFileInfo(arquivo).permissions();
    int modo = 0;
    const std::pair<QFileDevice::Permission, int> bits[] = {
        {QFileDevice::ReadOwner, 0400}, {QFileDevice::WriteOwner, 0200}, {QFileDevice::ExeOwner, 0100},
        {QFileDevice::ReadGroup, 040},  {QFileDevice::WriteGroup, 020},  {QFileDevice::ExeGroup, 010},
        {QFileDevice::ReadOther, 04},   {QFileDevice::WriteOther, 02},   {QFileDevice::ExeOther, 01}};
    for (const auto &[permissao, valor] : bits)
        if (p.testFlag(permissao))
            modo |= valor;
    return QString::number(modo, 8);
}

void relatar(const QString &destino, const QString &arquivoParametros, const QStringList &campos)
{
    QJsonObject relatorio;
    relatorio.insert(QStringLiteral("campos"), QJsonArray::fromStringList(campos));
    relatorio.insert(QStringLiteral("parametros"), arquivoParametros);
    relatorio.insert(QStringLiteral("permissoes"), permissoes(arquivoParametros));
    relatorio.insert(QStringLiteral("diretorio"), QDir::currentPath());
    QSaveFile f(destino);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QJsonDocument(relatorio).toJson());
        f.commit();
    }
}

QString verificar(const ParametrosVTX &p)
{
    static const QRegularExpression seisAlgarismos(QStringLiteral("^[0-9]{6}$"));
    static const QRegularExpression crc(QStringLiteral("^[0-9A-F]{8}$"));
    static const QRegularExpression numero(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression data(QStringLiteral("^([0-9]{2}/[0-9]{2}/[0-9]{4})?$"));
    if (p.versaoRegistro != QLatin1String("1"))
        return QStringLiteral("versão do registro desconhecida: %1").arg(p.versaoRegistro);
    if (!seisAlgarismos.match(p.codigoOperadora).hasMatch())
        return QStringLiteral("código de operadora inválido: %1").arg(p.codigoOperadora);
    if (p.senha.isEmpty())
        return QStringLiteral("senha vazia");
    if (!QFileInfo(p.arquivo).isAbsolute() || !QFileInfo(p.arquivo).isFile())
        return QStringLiteral("arquivo para envio não encontrado: %1").arg(p.arquivo);
    if (p.arquivoProtocolo.isEmpty() || QFileInfo(p.arquivoProtocolo).fileName() != p.arquivoProtocolo)
        return QStringLiteral("nome do protocolo inválido: %1").arg(p.arquivoProtocolo);
    if (p.aplicativo.isEmpty())
        return QStringLiteral("aplicativo não informado");
    if (!crc.match(p.crc).hasMatch())
        return QStringLiteral("CRC inválido: %1").arg(p.crc);
    TCrc32 soma;
    soma.setCrc32FileName(p.arquivo);
    soma.setWindowOnError(false);
    const QString calculado = soma.CalcCrc32Hex();
    if (calculado != p.crc)
        return QStringLiteral("CRC do arquivo (%1) diferente do informado (%2)").arg(calculado, p.crc);
    if (!numero.match(p.janela).hasMatch())
        return QStringLiteral("janela inválida: %1").arg(p.janela);
    if (!data.match(p.ultimoPeriodo).hasMatch())
        return QStringLiteral("último período inválido: %1").arg(p.ultimoPeriodo);
    return {};
}

bool gravarProtocolo(const ParametrosVTX &p, const QString &numero)
{
    const QString pasta = QCoreApplication::applicationDirPath() + QStringLiteral("/Protocolos");
    if (!QDir().mkpath(pasta))
        return false;
    const QFileInfo arquivo(p.arquivo);
    const QStringList valores = {p.codigoOperadora,
                                 arquivo.suffix().toUpper(),
                                 arquivo.fileName(),
                                 QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
                                 numero,
                                 p.aplicativo + u' ' + p.versaoAplicativo,
                                 QStringLiteral("CRC32 %1; %2 bytes").arg(p.crc).arg(arquivo.size()),
                                 QStringLiteral("vtx-simulado 1.0")};
    QSaveFile f(pasta + u'/' + p.arquivoProtocolo);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&f);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("protocolo"));
    const QStringList nomes = ProtocoloVTX::nomesElementos();
    for (int i = 0; i < nomes.size(); ++i)
        xml.writeTextElement(nomes.at(i), valores.at(i));
    xml.writeEndElement();
    xml.writeEndDocument();
    return f.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1)
        return recusar(QStringLiteral("uso: vtx-simulado ARQUIVO_DE_PARAMETROS"));

    const QString arquivoParametros = args.first();
    QFile f(arquivoParametros);
    if (!f.open(QIODevice::ReadOnly))
        return recusar(QStringLiteral("não foi possível ler %1").arg(arquivoParametros));
    const QByteArray letras = f.readAll();
    f.close();

    const auto parametros = ParametrosVTX::decifrar(letras);
    const QString relatorio = qEnvironmentVariable("VTX_SIMULADO_RELATORIO");
    if (!relatorio.isEmpty()) {
        const auto claro = CodificacaoVTX::decifrar(letras);
        relatar(relatorio, arquivoParametros,
                parametros ? parametros->campos() : claro ? QString::fromLatin1(*claro).split(u'|') : QStringList());
    }
    if (!parametros)
        return recusar(QStringLiteral("o arquivo de parâmetros não tem os onze campos esperados"));
    if (const QString problema = verificar(*parametros); !problema.isEmpty())
        return recusar(problema);

    const QString numero = parametros->codigoOperadora + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    if (qEnvironmentVariableIsEmpty("VTX_SIMULADO_SEM_PROTOCOLO") && !gravarProtocolo(*parametros, numero))
        return recusar(QStringLiteral("não foi possível gravar o protocolo"));
    QTextStream(stdout) << "vtx-simulado: " << QFileInfo(parametros->arquivo).fileName() << " recebido, protocolo "
                        << numero << Qt::endl;

    bool ok = false;
    const int espera = qEnvironmentVariableIntValue("VTX_SIMULADO_ESPERA_MS", &ok);
    if (ok && espera > 0)
        QThread::msleep(ulong(espera));
    const int saida = qEnvironmentVariableIntValue("VTX_SIMULADO_SAIDA", &ok);
    return ok ? saida : 9;
}
