#pragma once

#include <QString>
#include <functional>

namespace kelpa {

// CRC-32 of a whole file (the polynomial gzip and zlib use), which travels to the
// transmission client beside the submission file.
class TCrc32
{
public:
    void setCrc32FileName(const QString &arquivo) { m_arquivo = arquivo; }
    QString Crc32FileName() const { return m_arquivo; }

    // Failures are told through `setMostrarErro` (the window layer shows them) only
    // while this is true; `MsgErro` keeps them anyway.
    void setWindowOnError(bool sim) { m_windowOnError = sim; }
    bool WindowOnError() const { return m_windowOnError; }
    void setMostrarErro(std::function<void(const QString &)> callback) { m_mostrarErro = std::move(callback); }

    // Minimum step in percent between progress reports; 0 switches them off.
    void setProgressStep(int passo) { m_progressStep = passo; }
    int ProgressStep() const { return m_progressStep; }
    void setOnProgress(std::function<void(int percentual)> evento) { m_onProgress = std::move(evento); }
    int Progresso() const { return m_progresso; }

    // 0 when the file does not exist or cannot be read: check SucessoExecucao, since 0
    // is also the checksum of an empty file.
    quint32 CalcCrc32();
    // Eight upper-case hexadecimal digits, most significant first.
    QString CalcCrc32Hex();

    bool SucessoExecucao() const { return m_sucesso; }
    QString MsgErro() const { return m_msgErro; }

private:
    void falhar(const QString &mensagem);

    QString m_arquivo;
    bool m_windowOnError = true;
    std::function<void(const QString &)> m_mostrarErro;
    int m_progressStep = 0;
    std::function<void(int)> m_onProgress;
    int m_progresso = 0;
    bool m_sucesso = false;
    QString m_msgErro;
};

} // namespace kelpa
