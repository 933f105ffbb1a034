#include "ArquivoSubmissao.h"

#include "CabecalhoArquivo.h"

#include "plataforma/Win1252.h"

namespace kelpa::ArquivoSubmissao {

QString radical(const QString &codOper, const QDateTime &momento)
{
    return CabecalhoArquivo::codigoSemMascara(codOper) + momento.toString(QStringLiteral("yyyyMMddHHmmss"));
}

QString mensagemFalha(const QString &descricao)
{
    return QStringLiteral("Houve um erro ao gerar o arquivo. \n\rDescrição do Erro: ") + descricao;
}

QString nomeArquivoOperadora()
{
    return QStringLiteral("OPERADORA.COD");
}

QByteArray conteudoArquivoOperadora(const QString &codOper)
{
    // Read by the regulator's Windows programs: CR LF line ends, single-byte text.
    return "[Default]\r\nOperadora=" + Win1252::codificar(codOper) + "\r\n";
}

} // namespace kelpa::ArquivoSubmissao
