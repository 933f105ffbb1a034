#pragma once

#include "ValidacaoEnvio.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kelpa {

// The submission for removable media: after a fresh validation, the operator's
// export compressed into "<code><yyyyMMddHHmmss>.diz" and "OPERADORA.COD" beside it,
// in a directory the caller chose (a removable medium or any folder).
//
// The uncompressed ".dip" is written in a private temporary directory, never on the
// medium, and is gone whatever happens; a failure leaves nothing new in the target
// (the ".diz" of a generation whose "OPERADORA.COD" could not be written is removed).
class GeracaoSubmissao
{
public:
    enum class Resultado {
        Gerada,    // both files are in the target directory
        Bloqueada, // the validation left sending closed: nothing was written
    };

    GeracaoSubmissao(const QSqlDatabase &db, QString codOper);

    // Defaults to validacaoEnvioPadrao.
    void setValidacao(ValidacaoEnvio validacao) { m_validacao = std::move(validacao); }
    // Directory of Expt_Kelpa.dat; the program home when left empty.
    void setExptdefsPath(const QString &diretorio) { m_exptdefsPath = diretorio; }
    // Cumulative percentage after each step (10, 30, 80, 95, 100), for a progress bar.
    void setAoProgredir(std::function<void(int percentual)> evento) { m_aoProgredir = std::move(evento); }
    // Called between steps and during the export, for a window to stay painted.
    void setProcessarEventos(std::function<void()> callback) { m_processarEventos = std::move(callback); }
    // Where the file names take their date and time; the local clock by default.
    void setRelogio(std::function<QDateTime()> relogio) { m_relogio = std::move(relogio); }

    // Throws ErroBanco (the failure, in the user's words) when a step fails.
    Resultado Gerar(const QString &diretorioDestino);

    // Paths of the last generation's files.
    QString arquivoDiz() const { return m_arquivoDiz; }
    QString arquivoOperadora() const { return m_arquivoOperadora; }

private:
    void progredir(int percentual);

    QSqlDatabase m_db;
    QString m_codOper;
    ValidacaoEnvio m_validacao;
    QString m_exptdefsPath;
    std::function<void(int)> m_aoProgredir;
    std::function<void()> m_processarEventos;
    std::function<QDateTime()> m_relogio;
    QString m_arquivoDiz;
    QString m_arquivoOperadora;
};

} // namespace kelpa
