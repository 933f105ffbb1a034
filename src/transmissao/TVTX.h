#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kelpa {

// What the transmission client reports in its protocol XML, one value per element.
struct ProtocoloVTX {
    QString operadora;
    QString tipo_Arquivo;
    QString arquivo;
    QString dataTransmissao;
    QString protocoloTX;
    QString aplicativo;
    QString informacoesArquivo;
    QString clienteTransmissao;

    static QStringList nomesElementos(); // the element names, in the order above
    QStringList valores() const;         // the values, in the same order
    void limpar() { *this = ProtocoloVTX(); }
};

// Hands a finished submission file to VTX, the regulator's transmission client: writes
// the enciphered parameter file, starts VTX with it, waits for it to end and reads
// back the protocol it leaves. VTX talks to the user itself; the caller only learns
// the result code and the protocol.
//
// The parameter file holds the sending password: it is created readable by its owner
// only and removed as soon as VTX has ended (or the hand-off failed).
class TVTX
{
public:
    // Result codes of Transmitir.
    enum Resultado {
        Enviado = 0,    // VTX ended with 9: sent, protocol read
        Falhou = 1,     // any other exit code (or VTX crashed)
        // 2 to 6: VTX's own codes 1 to 5
    };

    QString VersaoComponente() const { return QStringLiteral("1.0"); }
    QString DataComponente() const { return QStringLiteral("11/05/2006 17:26"); }

    // Called between the 200 ms slices of the wait, for the window to stay painted.
    void setProcessarEventos(std::function<void()> callback) { m_processarEventos = std::move(callback); }
    // Where the parameter file is created; the user's temporary directory by default.
    // When the directory does not exist, the file goes beside the VTX program.
    void setDiretorioTemporario(const QString &diretorio) { m_diretorioTemporario = diretorio; }
    // Stands for /etc/xdg/QOR/VTX.conf (tests give another).
    void setArquivoConfSistema(const QString &arquivo) { m_arquivoConfSistema = arquivo; }

    // Fields 2 to 11 of the parameter record. Returns the result code; throws ErroBanco
    // with the user's message when the hand-off itself fails (nothing is left behind).
    int Transmitir(const QString &codigoOperadora, const QString &senha, const QString &arquivoEnvio,
                   const QString &arquivoProtocolo, const QString &aplicativo, const QString &versaoAplicativo,
                   const QString &extra, const QString &crc, const QString &janela, const QString &ultimoPeriodo);

    // Filled after VTX ended with 9; cleared at the start of every Transmitir.
    const ProtocoloVTX &protocolo() const { return m_protocolo; }
    // Path of the last parameter file (removed by now) and the exit code of VTX.
    QString arquivoParametros() const { return m_arquivoParametros; }
    int codigoSaidaVTX() const { return m_codigoSaida; }

    // 9 → 0, 1..5 → 2..6, anything else → 1.
    static int resultadoDoCodigo(int codigoSaida);

private:
    std::function<void()> m_processarEventos;
    QString m_diretorioTemporario;
    QString m_arquivoConfSistema;
    ProtocoloVTX m_protocolo;
    QString m_arquivoParametros;
    int m_codigoSaida = -1;
};

} // namespace kelpa
