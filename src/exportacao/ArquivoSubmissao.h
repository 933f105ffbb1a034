#pragma once

#include <QDateTime>
#include <QString>

namespace kelpa {

// What the removable-media submission and the internet hand-off name alike.
namespace ArquivoSubmissao {

// The stem of one submission's files: the operator code without "-" and the local
// date and time "yyyyMMddHHmmss", taken once per submission.
QString radical(const QString &codOper, const QDateTime &momento);

// "Houve um erro ao gerar o arquivo. \n\rDescrição do Erro: " + the failure, the
// text both sending dialogs show when a step fails.
QString mensagemFalha(const QString &descricao);

// "OPERADORA.COD" and its two lines, "[Default]" and "Operadora=" + the code as stored.
QString nomeArquivoOperadora();
QByteArray conteudoArquivoOperadora(const QString &codOper);

} // namespace ArquivoSubmissao

} // namespace kelpa
