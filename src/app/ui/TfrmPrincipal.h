#pragma once

#include <QMainWindow>
#include <QLabel>
#include <QPointer>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QToolBox;

namespace kelpa {

class DtConexao;
class EstadoTrabalho;

// The main window: the operator header, the navigation bar and the menus, the rules
// that decide what may be used, and the start-up steps that run when it is first shown.
class TfrmPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    // Opens quadro `numero` (with the statements' account kind) modally; returns the host's result.
    using AbreQuadroFn = std::function<int(int numero, const QString &tipoConta, QWidget *pai)>;
    // A conclusion step (validation, removable media, internet) shown modally.
    using PassoFn = std::function<void(QWidget *pai)>;
    enum class Passo { Validacao, GerarDisquete, Transmitir, AvisoPlanoContas, BackupGerar, BackupRecuperar };

    TfrmPrincipal(EstadoTrabalho &estado, DtConexao &dados, QWidget *parent = nullptr);

    void setAbreQuadro(AbreQuadroFn abre) { m_abreQuadro = std::move(abre); }
    void setPasso(Passo passo, PassoFn fn);

    // The start-up: configuration, database directory, compaction, connection,
    // header, operator. False when the program must end (no database chosen, no operator).
    bool iniciar();

    // --- what quadros and other windows use -------------------------------------
    void AbreQuadro(int numero, const QString &tipoConta = {});
    void HabilitaAcoes(int numero, const QString &tipoConta = {});
    void HabilitaTransmissao();
    // Big red words over `controle` telling why it cannot be used; empty text removes them.
    void ExibeAviso(QWidget *controle, const QString &texto);
    QLabel *avisoQuadro() const { return m_aviso; }

    QLineEdit *edtCodOper() const { return m_codigo; }
    QLineEdit *edtNomeOperadora() const { return m_nome; }
    QLineEdit *edtCnpj() const { return m_cnpj; }
    QLabel *lblVersao() const { return m_versao; }
    QToolBox *barraNavegacao() const { return m_navegacao; }
    QAction *acao(const QString &nome) const;
    QList<QAction *> acoes() const { return m_acoes; }

    void Selecionardiretriodarede1Click();
    // Shows the operator dialog; false when the program cannot go on without an operator.
    bool SelecionarOperadora();
    // "Backup ..." > "Gerar" and "Recuperar".
    void Gerar1Click();
    void Recuperar1Click();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    QAction *novaAcao(const QString &nome, int tag, const QString &categoria, const QString &legenda, const QString &dica);
    void montarAcoes();
    void montarCabecalho();
    void montarNavegacao();
    void montarMenus();
    bool Conecta();
    void preencherCabecalho();
    void limparCabecalho();
    void executarPasso(Passo passo);
    void ativarDadosCadastrais();

    EstadoTrabalho &m_estado;
    DtConexao &m_dados;
    AbreQuadroFn m_abreQuadro;
    QMap<Passo, PassoFn> m_passos;

    QLineEdit *m_codigo = nullptr;
    QLineEdit *m_nome = nullptr;
    QLineEdit *m_cnpj = nullptr;
    QLabel *m_versao = nullptr;
    QLabel *m_base = nullptr;
    QToolBox *m_navegacao = nullptr;
    QPointer<QLabel> m_aviso;
    QList<QAction *> m_acoes;      // the actions that follow HabilitaAcoes
    QList<QAction *> m_acoesAjuda; // always disabled
};

} // namespace kelpa
