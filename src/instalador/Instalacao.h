#pragma once

#include <QString>
#include <functional>

namespace kelpa {

class TInstaladorManager;

// One installation attempt, in the wizard's fixed order, independent of the window:
// the window (or a test) answers the questions and shows the steps.
class Instalacao
{
public:
    enum Tipo { Completa = 0, Atualizacao = 1 };
    enum class Resultado { Concluida, Interrompida };

    // The step lines, in order; the last is added when the installation ends well.
    static QStringList linhasPassos();
    static QString linhaConcluida() { return QStringLiteral("Instalação concluída com Sucesso!"); }
    static QString linhaInterrompida() { return QStringLiteral("Instalação INTERROMPIDA."); }
    static QString motivoUsuario() { return QStringLiteral("Instalação interrompida pelo usuário."); }
    static QString mensagemFalhaBase()
    {
        return QStringLiteral("O Sistema não consegui atualizar sua base de dados.  Peça auxílio ao profissional de "
                              "informática de sua Operadora. ");
    }
    static QString mensagemSemEspaco();

    struct Eventos {
        // Line k is the current step (and line k-1 is done).
        std::function<void(int linha)> marcar;
        // The 2007 data must go: true to go on (after the backup it is deleted).
        std::function<bool()> confirmarLimpeza;
        // The database could not be updated: the message box before the interruption.
        std::function<void(const QString &mensagem)> erroBase;
        // Between steps, so that a window stays painted.
        std::function<void()> progredir;
    };

    // Sets the manager up for `tipo` and `diretorio` as the wizard does.
    static void configurar(TInstaladorManager &manager, Tipo tipo, const QString &diretorio);

    Resultado executar(TInstaladorManager &manager, Tipo tipo, const Eventos &eventos);
    // Why it stopped (empty when the database update failed: its box said it).
    QString motivo() const { return m_motivo; }

private:
    QString m_motivo;
};

} // namespace kelpa
