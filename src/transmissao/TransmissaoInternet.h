#pragma once

#include "TVTX.h"

#include "exportacao/ValidacaoEnvio.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kelpa {

// Internet submission without its window: validate afresh, export the submission file
// into the program directory, take its CRC-32 and hand file and password to the
// transmission client, then delete the file. What the client reports goes to the
// user from the client itself; the result code and protocol are kept for callers
// that want them (the command line prints them).
class TransmissaoInternet
{
public:
    enum class Resultado {
        Entregue,  // the client ran and ended (see resultadoVTX)
        Bloqueada, // the validation left sending closed: nothing was written
    };

    TransmissaoInternet(const QSqlDatabase &db, QString codOper);

    // Defaults to validacaoEnvioPadrao.
    void setValidacao(ValidacaoEnvio validacao) { m_validacao = std::move(validacao); }
    // Where Expt_Kelpa.dat is read and the submission file is written; the program home by default.
    void setDiretorioPrograma(const QString &diretorio) { m_diretorioPrograma = diretorio; }
    void setProcessarEventos(std::function<void()> callback);
    // Called once the file is ready, right before the client starts (a dialog
    // disables its buttons there).
    void setAntesDeEntregar(std::function<void()> callback) { m_antesDeEntregar = std::move(callback); }
    // The calling window's handle, in decimal ("0" without a window).
    void setJanela(const QString &janela) { m_janela = janela; }
    void setRelogio(std::function<QDateTime()> relogio) { m_relogio = std::move(relogio); }
    TVTX &vtx() { return m_vtx; }

    // Throws ErroBanco with "Houve um erro ao gerar o arquivo. \n\rDescrição do Erro: "
    // and the failure; the submission file never outlives the call.
    Resultado Transmitir(const QString &senha);

    int resultadoVTX() const { return m_resultadoVTX; }
    const ProtocoloVTX &protocolo() const { return m_vtx.protocolo(); }
    QString arquivoEnvio() const { return m_arquivoEnvio; } // path of the last (deleted) submission file

    // "SENHA, preenchimento obrigatório".
    static QString mensagemSenhaObrigatoria();
    // The version the transmission client knows this program by (the program file's version).
    static QString versaoAplicativo();
    // The latest quarter held for any operator of the database, "dd/mm/yyyy"; empty when none.
    static QString ultimoPeriodo(const QSqlDatabase &db);

private:
    QSqlDatabase m_db;
    QString m_codOper;
    ValidacaoEnvio m_validacao;
    QString m_diretorioPrograma;
    std::function<void()> m_processarEventos;
    std::function<void()> m_antesDeEntregar;
    QString m_janela = QStringLiteral("0");
    std::function<QDateTime()> m_relogio;
    TVTX m_vtx;
    int m_resultadoVTX = -1;
    QString m_arquivoEnvio;
};

} // namespace kelpa
